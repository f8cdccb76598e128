// Completion while typing into a size combo.
#include "app/size_completion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using app::complete_from;
using app::complete_size_name;
using app::text_after_typing;

TEST(SizeCompletion, XiaoIntoAnEmptyFieldCompletesToTheFirstXiaoEntry)
{
    const auto completion = complete_size_name(text_after_typing(u"", 0, 0, u"小"));
    ASSERT_TRUE(completion.has_value());
    EXPECT_EQ(completion->entry, 1u);
    EXPECT_EQ(completion->text, u"小初(36)");
    EXPECT_EQ(completion->caret, 1u);
    EXPECT_EQ(completion->text.substr(completion->caret), u"初(36)");
}

TEST(SizeCompletion, TheNextCharacterReplacesTheCompletedRest)
{
    // "小初(36)" with "初(36)" selected, then "四" typed.
    const std::u16string typed = text_after_typing(u"小初(36)", 1, 6, u"四");
    EXPECT_EQ(typed, u"小四");
    const auto completion = complete_size_name(typed);
    ASSERT_TRUE(completion.has_value());
    EXPECT_EQ(completion->entry, 9u);
    EXPECT_EQ(completion->text, u"小四(12)");
    EXPECT_EQ(completion->caret, 2u);
}

TEST(SizeCompletion, AChineseCharacterCountsAsOneCharacter)
{
    const auto completion = complete_size_name(u"五号(");
    ASSERT_TRUE(completion.has_value());
    EXPECT_EQ(completion->text, u"五号(10.5)");
    EXPECT_EQ(completion->caret, 3u);
}

TEST(SizeCompletion, AWholeEntryCompletesToItselfWithNothingSelected)
{
    const auto completion = complete_size_name(u"八号(5)");
    ASSERT_TRUE(completion.has_value());
    EXPECT_EQ(completion->entry, 15u);
    EXPECT_EQ(completion->caret, 5u);
    EXPECT_EQ(completion->text.size(), 5u);
}

TEST(SizeCompletion, ATextThatNoEntryBeginsWithCompletesNothing)
{
    EXPECT_FALSE(complete_size_name(u"1").has_value());
    EXPECT_FALSE(complete_size_name(u"小x").has_value());
    EXPECT_FALSE(complete_size_name(u"四号（").has_value());  // full-width parenthesis
    EXPECT_FALSE(complete_size_name(u"八号(5) ").has_value());
    EXPECT_FALSE(complete_size_name(u"").has_value());
}

TEST(SizeCompletion, TheFirstMatchingEntryInListOrderWins)
{
    const auto completion = complete_size_name(u"小");
    ASSERT_TRUE(completion.has_value());
    EXPECT_EQ(completion->text, u"小初(36)");  // not "小一(24)" or later ones
}

TEST(SizeCompletion, LetterCaseIsIgnoredAndTheEntrysOwnCaseIsShown)
{
    const std::vector<std::u16string> entries{u"Small (8)", u"Large (20)", u"ＸＬ(28)"};
    const auto ascii = complete_from(entries, u"LAR");
    ASSERT_TRUE(ascii.has_value());
    EXPECT_EQ(ascii->entry, 1u);
    EXPECT_EQ(ascii->text, u"Large (20)");
    const auto full_width = complete_from(entries, u"ｘｌ");
    ASSERT_TRUE(full_width.has_value());
    EXPECT_EQ(full_width->entry, 2u);
}

TEST(TextAfterTyping, TheCharacterGoesAtTheCaret)
{
    EXPECT_EQ(text_after_typing(u"四号", 1, 1, u"x"), u"四x号");
    EXPECT_EQ(text_after_typing(u"四号", 2, 2, u"("), u"四号(");
}

TEST(TextAfterTyping, ASelectionIsReplacedWhicheverWayItWasMade)
{
    EXPECT_EQ(text_after_typing(u"四号(14)", 2, 6, u"("), u"四号(");
    EXPECT_EQ(text_after_typing(u"四号(14)", 6, 2, u"("), u"四号(");
    EXPECT_EQ(text_after_typing(u"四号(14)", 0, 6, u"小"), u"小");
}

TEST(TextAfterTyping, ASelectionBeyondTheEndStopsAtTheEnd)
{
    EXPECT_EQ(text_after_typing(u"四号", 0, 99, u"一"), u"一");
    EXPECT_EQ(text_after_typing(u"四号", 99, 99, u"("), u"四号(");
}

TEST(TextAfterTyping, AComposedStringIsTypedAsAWhole)
{
    EXPECT_EQ(text_after_typing(u"小初(36)", 1, 6, u"五("), u"小五(");
    const auto completion = complete_size_name(u"小五(");
    ASSERT_TRUE(completion.has_value());
    EXPECT_EQ(completion->text, u"小五(9)");
}

TEST(Printable, ControlCharactersTypeNothing)
{
    EXPECT_FALSE(app::is_printable(u'\b'));
    EXPECT_FALSE(app::is_printable(u'\r'));
    EXPECT_FALSE(app::is_printable(u'\x1B'));
    EXPECT_FALSE(app::is_printable(u'\x7F'));
    EXPECT_FALSE(app::is_printable(u'\x85'));
    EXPECT_TRUE(app::is_printable(u' '));
    EXPECT_TRUE(app::is_printable(u'5'));
    EXPECT_TRUE(app::is_printable(u'小'));
    EXPECT_TRUE(app::is_printable(u'（'));
}

TEST(Printable, HalvesOfASurrogatePairAreLeftToTheEdit)
{
    EXPECT_FALSE(app::is_printable(u'\xD840'));
    EXPECT_FALSE(app::is_printable(u'\xDC00'));
}

TEST(SizeNames, TheSixteenEntriesAreConvertedOneUnitPerCharacter)
{
    const auto names = app::size_names_utf16();
    ASSERT_EQ(names.size(), 16u);
    EXPECT_EQ(names[0], u"初号(42)");
    EXPECT_EQ(names[10], u"五号(10.5)");
    EXPECT_EQ(names[15], u"八号(5)");
    EXPECT_EQ(names[0].size(), 6u);
}

}  // namespace
