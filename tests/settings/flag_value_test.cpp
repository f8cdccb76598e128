#include <gtest/gtest.h>

#include "settings/flag_value.h"

namespace {

using settings::flag_text;
using settings::parse_flag;

TEST(FlagReading, AnyNonzeroIntegerIsChecked)
{
    EXPECT_EQ(parse_flag("1"), true);
    EXPECT_EQ(parse_flag("2"), true);
    EXPECT_EQ(parse_flag("-1"), true);
    EXPECT_EQ(parse_flag("+7"), true);
    EXPECT_EQ(parse_flag("0x10"), true);
    EXPECT_EQ(parse_flag("0XfF"), true);
    EXPECT_EQ(parse_flag("$a"), true);
    EXPECT_EQ(parse_flag("-$1"), true);
}

TEST(FlagReading, ZeroInAnyFormIsUnchecked)
{
    EXPECT_EQ(parse_flag("0"), false);
    EXPECT_EQ(parse_flag("-0"), false);
    EXPECT_EQ(parse_flag("000"), false);
    EXPECT_EQ(parse_flag("0x0"), false);
    EXPECT_EQ(parse_flag("$00"), false);
}

TEST(FlagReading, NumbersTooLargeForAnyIntegerTypeAreStillNonzero)
{
    EXPECT_EQ(parse_flag("99999999999999999999999"), true);
    EXPECT_EQ(parse_flag("0x100000000"), true);
}

TEST(FlagReading, AnythingThatIsNoIntegerHasNoValue)
{
    EXPECT_EQ(parse_flag(""), std::nullopt);
    EXPECT_EQ(parse_flag("yes"), std::nullopt);
    EXPECT_EQ(parse_flag("true"), std::nullopt);
    EXPECT_EQ(parse_flag("-"), std::nullopt);
    EXPECT_EQ(parse_flag("0x"), std::nullopt);
    EXPECT_EQ(parse_flag("$"), std::nullopt);
    EXPECT_EQ(parse_flag("1.0"), std::nullopt);
    EXPECT_EQ(parse_flag("1 "), std::nullopt);
    EXPECT_EQ(parse_flag("12a"), std::nullopt);
    EXPECT_EQ(parse_flag("0x1g"), std::nullopt);
    EXPECT_EQ(parse_flag("--1"), std::nullopt);
    EXPECT_EQ(parse_flag("$-1"), std::nullopt);
}

TEST(FlagWriting, CheckedIsOneAndUncheckedIsZero)
{
    EXPECT_EQ(flag_text(true), "1");
    EXPECT_EQ(flag_text(false), "0");
}

}  // namespace
