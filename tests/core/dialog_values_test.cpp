// How the dialog's texts become the values the run uses.
#include <gtest/gtest.h>

#include "app/error_text.h"
#include "app/size_table.h"
#include "typeset/numbers.h"

using app::application_title;
using app::error_box_text;
using app::size_value;
using typeset::EConvertError;
using typeset::parse_float;

TEST(SizeValue, NamesGiveTheirPointSize)
{
    EXPECT_EQ(size_value("四号(14)"), "14");
    EXPECT_EQ(size_value("五号(10.5)"), "10.5");
    EXPECT_EQ(size_value("初号(42)"), "42");
    EXPECT_EQ(size_value("八号(5)"), "5");
}

TEST(SizeValue, AnyOtherTextIsItsOwnValue)
{
    EXPECT_EQ(size_value("10.5"), "10.5");
    EXPECT_EQ(size_value(""), "");
    EXPECT_EQ(size_value("小二"), "小二");
    EXPECT_EQ(size_value("四号(14) "), "四号(14) ");
    EXPECT_EQ(size_value("四号（14）"), "四号（14）");  // full-width parentheses
}

TEST(SizeTable, HoldsTheSixteenSizesInOrder)
{
    ASSERT_EQ(app::kChineseFontSizes.size(), 16u);
    EXPECT_EQ(app::kChineseFontSizes[app::kBodySizeIndex].name, "四号(14)");
    EXPECT_EQ(app::kChineseFontSizes[app::kTitleSizeIndex].name, "小二(18)");
    EXPECT_EQ(app::kChineseFontSizes[10].value, "10.5");
    EXPECT_EQ(app::kChineseFontSizes[15].name, "八号(5)");
}

TEST(ParseFloat, AcceptsDecimalNumbersWithTheUsersSeparator)
{
    EXPECT_FLOAT_EQ(parse_float("2.5", "."), 2.5f);
    EXPECT_FLOAT_EQ(parse_float("2,5", ","), 2.5f);
    EXPECT_FLOAT_EQ(parse_float(" -0.5 ", "."), -0.5f);
    EXPECT_FLOAT_EQ(parse_float("+25", "."), 25.0f);
    EXPECT_FLOAT_EQ(parse_float("1e2", "."), 100.0f);
    EXPECT_FLOAT_EQ(parse_float(".5", "."), 0.5f);
    EXPECT_FLOAT_EQ(parse_float("5.", "."), 5.0f);
}

TEST(ParseFloat, AcceptsAPointWhereTheUserWritesCommas)
{
    // The built-in values are written with "."; they must work everywhere.
    EXPECT_FLOAT_EQ(parse_float("2.5", ","), 2.5f);
}

TEST(ParseFloat, RejectsWhatIsNotANumberWithTheTextInTheMessage)
{
    for (const char* text : {"", "abc", "2.5cm", "1,5", "--1", "e5", "1e", ".", "1 2", "0x10"}) {
        try {
            parse_float(text, ".");
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& error) {
            EXPECT_EQ(std::string(error.what()), std::string("'") + text + "' is not a valid floating point value");
        }
    }
}

TEST(ParseFloat, RejectsValuesAFloatCannotHold)
{
    EXPECT_THROW(parse_float("1e40", "."), EConvertError);
    EXPECT_THROW(parse_float("-1e39", "."), EConvertError);
    EXPECT_THROW(parse_float("1e400", "."), EConvertError);
    EXPECT_THROW(parse_float("nan", "."), EConvertError);
    EXPECT_THROW(parse_float("inf", "."), EConvertError);
    EXPECT_FLOAT_EQ(parse_float("3e38", "."), 3e38f);
}

TEST(Margins, CentimetresBecomePointsRoundedOnce)
{
    EXPECT_EQ(typeset::centimetres_to_points("2.5", "."), 70.86499786f);
    EXPECT_EQ(typeset::centimetres_to_points("1", "."), 28.346f);
    EXPECT_EQ(typeset::centimetres_to_points("0", "."), 0.0f);
    // Fits a float as centimetres, not as points.
    EXPECT_THROW(typeset::centimetres_to_points("3e38", "."), EConvertError);
}

TEST(ElapsedTime, SecondsHaveNoTrailingZeros)
{
    EXPECT_EQ(typeset::format_seconds(2531, "."), "2.531");
    EXPECT_EQ(typeset::format_seconds(4000, "."), "4");
    EXPECT_EQ(typeset::format_seconds(50, "."), "0.05");
    EXPECT_EQ(typeset::format_seconds(0, "."), "0");
    EXPECT_EQ(typeset::format_seconds(1500, ","), "1,5");
}

TEST(DateLine, HasNoLeadingZeros)
{
    EXPECT_EQ(typeset::format_date({2027, 1, 5}), "2027年1月5日");
    EXPECT_EQ(typeset::format_date({2026, 12, 31}), "2026年12月31日");
}

TEST(ErrorBox, AppendsAFullStopUnlessThereIsPunctuation)
{
    EXPECT_EQ(error_box_text("Division by zero"), "Division by zero.");
    EXPECT_EQ(error_box_text("Stream write error."), "Stream write error.");
    EXPECT_EQ(error_box_text("Wait!"), "Wait!");
    EXPECT_EQ(error_box_text("a, "), "a, ");
    EXPECT_EQ(error_box_text(""), "");
    EXPECT_EQ(error_box_text("请先打开待排版的文档。"), "请先打开待排版的文档。.");
    EXPECT_EQ(error_box_text("路径/"), "路径/.");  // "/" is above "."
}

TEST(ApplicationTitle, IsTheNameUpToTheFirstDotInLowerCaseAfterTheFirst)
{
    EXPECT_EQ(application_title("C:\\Tools\\MyTool.Setup.exe"), "Mytool");
    EXPECT_EQ(application_title("TIDYSET.EXE"), "Tidyset");
    EXPECT_EQ(application_title("tidyset.exe"), "tidyset");
    EXPECT_EQ(application_title("/home/u/排版TOOL.exe"), "排版tool");
    EXPECT_EQ(application_title("C:\\a.b\\Prog"), "Prog");
}
