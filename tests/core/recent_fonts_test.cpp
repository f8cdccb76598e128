// The recently used fonts at the top of a font list.
#include "app/recent_fonts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

using app::RecentFonts;
using app::RecentFontStep;

// A plain list of texts in place of the font combo's entries.
class TextList final : public app::FontList {
public:
    explicit TextList(std::vector<std::string>& entries) : entries_(entries) {}
    int font_count() const override { return static_cast<int>(entries_.size()); }
    std::string font_at(int index) const override { return entries_[static_cast<std::size_t>(index)]; }
    void move_to_top(int from) override
    {
        const auto entry = entries_.begin() + from;
        std::rotate(entries_.begin(), entry, std::next(entry));
    }
    void copy_to_top(int from) override
    {
        std::string copy = entries_[static_cast<std::size_t>(from)];
        entries_.insert(entries_.begin(), std::move(copy));
    }

private:
    std::vector<std::string>& entries_;
};

int choose_font(RecentFonts& recent, std::vector<std::string>& entries, int selected)
{
    TextList list{entries};
    return app::choose_font(recent, list, selected);
}

class RecentFontList : public ::testing::Test {
protected:
    std::vector<std::string> entries{"Arial", "Courier New", "SimHei", "Tahoma", "宋体"};
    RecentFonts recent;
};

TEST_F(RecentFontList, ChoosingAFontPutsACopyOnTopAndSelectsIt)
{
    EXPECT_EQ(choose_font(recent, entries, 3), 0);
    EXPECT_EQ(entries, (std::vector<std::string>{"Tahoma", "Arial", "Courier New", "SimHei", "Tahoma", "宋体"}));
    EXPECT_EQ(recent.count(), 1);
}

TEST_F(RecentFontList, ChoosingTheSameFontAgainMovesTheCopyInsteadOfAddingOne)
{
    choose_font(recent, entries, 3);  // Tahoma
    choose_font(recent, entries, 5);  // 宋体
    ASSERT_EQ(entries, (std::vector<std::string>{"宋体", "Tahoma", "Arial", "Courier New", "SimHei", "Tahoma", "宋体"}));
    // Tahoma from its sorted place: the copy at position 1 moves up.
    EXPECT_EQ(choose_font(recent, entries, 5), 0);
    EXPECT_EQ(entries, (std::vector<std::string>{"Tahoma", "宋体", "Arial", "Courier New", "SimHei", "Tahoma", "宋体"}));
    EXPECT_EQ(recent.count(), 2);
}

TEST_F(RecentFontList, ChoosingARecentCopyBelowTheTopMovesItUp)
{
    choose_font(recent, entries, 1);  // Courier New
    choose_font(recent, entries, 3);  // SimHei
    EXPECT_EQ(choose_font(recent, entries, 1), 0);
    EXPECT_EQ(entries,
              (std::vector<std::string>{"Courier New", "SimHei", "Arial", "Courier New", "SimHei", "Tahoma", "宋体"}));
    EXPECT_EQ(recent.count(), 2);
}

TEST_F(RecentFontList, ChoosingTheFirstEntryChangesNothing)
{
    EXPECT_EQ(choose_font(recent, entries, 0), 0);
    EXPECT_EQ(entries, (std::vector<std::string>{"Arial", "Courier New", "SimHei", "Tahoma", "宋体"}));
    EXPECT_EQ(recent.count(), 0);
    choose_font(recent, entries, 2);
    EXPECT_EQ(choose_font(recent, entries, 0), 0);
    EXPECT_EQ(entries.size(), 6u);
    EXPECT_EQ(recent.count(), 1);
}

TEST_F(RecentFontList, ClosingWithoutASelectionChangesNothing)
{
    EXPECT_EQ(choose_font(recent, entries, -1), -1);
    EXPECT_EQ(entries.size(), 5u);
    EXPECT_EQ(recent.count(), 0);
}

TEST_F(RecentFontList, TheSortedEntryMatchingTheFirstCopyIsAFreshChoiceOfTheSameFont)
{
    choose_font(recent, entries, 1);  // Courier New, now at 0 and 2
    EXPECT_EQ(choose_font(recent, entries, 2), 0);
    EXPECT_EQ(entries, (std::vector<std::string>{"Courier New", "Arial", "Courier New", "SimHei", "Tahoma", "宋体"}));
    EXPECT_EQ(recent.count(), 1);
}

TEST_F(RecentFontList, OnlyTheRecentEntriesAreSearchedNotTheSortedOnes)
{
    // Two families whose names differ only in letter case are different fonts.
    std::vector<std::string> list{"Arial", "arial"};
    choose_font(recent, list, 1);
    EXPECT_EQ(list, (std::vector<std::string>{"arial", "Arial", "arial"}));
    choose_font(recent, list, 1);
    EXPECT_EQ(list, (std::vector<std::string>{"Arial", "arial", "Arial", "arial"}));
    EXPECT_EQ(recent.count(), 2);
}

TEST_F(RecentFontList, AForgottenListStartsAfresh)
{
    choose_font(recent, entries, 3);
    recent.forget();
    std::vector<std::string> rebuilt{"Arial", "Courier New", "SimHei", "Tahoma", "宋体"};
    choose_font(recent, rebuilt, 3);
    EXPECT_EQ(rebuilt, (std::vector<std::string>{"Tahoma", "Arial", "Courier New", "SimHei", "Tahoma", "宋体"}));
    EXPECT_EQ(recent.count(), 1);
}

TEST(RecentFontStepOf, ACopyNamesTheChosenEntryAndAMoveNamesTheRecentCopy)
{
    RecentFonts recent;
    const RecentFontStep copy = recent.list_closed(7, "Tahoma", {});
    EXPECT_EQ(copy.kind, RecentFontStep::Kind::copy_to_top);
    EXPECT_EQ(copy.from, 7);
    const std::vector<std::string> top{"Tahoma"};
    const RecentFontStep move = recent.list_closed(8, "Tahoma", top);
    EXPECT_EQ(move.kind, RecentFontStep::Kind::move_to_top);
    EXPECT_EQ(move.from, 0);
    EXPECT_EQ(recent.count(), 1);
}

}  // namespace
