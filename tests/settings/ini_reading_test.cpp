#include <gtest/gtest.h>

#include "settings/code_page.h"
#include "settings/ini_text.h"
#include "tests/settings/real_files.h"

namespace {

using namespace std::string_literals;
using settings::find_value;
using settings::IniContent;
using settings::IniSection;
using settings::parse_ini;

const settings::Utf8CodePage utf8;

IniContent parse(std::string_view bytes) { return parse_ini(bytes, utf8); }

TEST(LineEnds, CrLfAndCrLfPairsAllEndALine)
{
    const IniContent content = parse("[a]\rone=1\ntwo=2\r\nthree=3");
    EXPECT_EQ(content, (IniContent{{"a", {"one=1", "two=2", "three=3"}}}));
}

TEST(LineEnds, LfFollowedByCrIsTwoLineEnds)
{
    const IniContent content = parse("[a]\n\rone=1\n\r\n\rtwo=2");
    EXPECT_EQ(content, (IniContent{{"a", {"one=1", "two=2"}}}));
}

TEST(NulByte, EndsTheText)
{
    const IniContent content = parse("[ymsz]\r\nleft=3\r\nri\0ght=4\r\n[zw]\r\nline=30\r\n"s);
    EXPECT_EQ(content, (IniContent{{"ymsz", {"left=3", "ri"}}}));
}

TEST(NulByte, AUtf16FileIsReadOnlyUpToItsFirstNul)
{
    const std::string utf16 = "\xFF\xFE[\0y\0m\0s\0z\0]\0\r\0\n\0"s;
    EXPECT_EQ(parse(utf16), IniContent{});
}

TEST(Trimming, BlanksAndControlCharactersGoFromBothEndsOfEveryPart)
{
    const IniContent content = parse(" \t[  ymsz\t ] \x01\r\n\t left \t=\t 3.5 \x7f\x1f\r\n");
    EXPECT_EQ(content, (IniContent{{"ymsz", {"left=3.5 \x7f"}}}));
}

TEST(Trimming, ABlankValueIsEmpty)
{
    const IniContent content = parse("[ymsz]\r\nleft =   \r\n");
    EXPECT_EQ(content, (IniContent{{"ymsz", {"left="}}}));
    EXPECT_EQ(find_value(content, "ymsz", "left"), "");
}

TEST(DroppedLines, CommentsAndBlankLinesDisappear)
{
    const IniContent content = parse("[a]\r\n; a comment\r\n   ;indented=comment\r\n\r\n   \r\nkey=1\r\n# not a comment\r\n");
    EXPECT_EQ(content, (IniContent{{"a", {"key=1", "# not a comment"}}}));
}

TEST(DroppedLines, LinesBeforeTheFirstSectionDisappear)
{
    const IniContent content = parse("left=9\r\nloose text\r\n[ymsz]\r\nleft=3\r\n");
    EXPECT_EQ(content, (IniContent{{"ymsz", {"left=3"}}}));
}

TEST(SectionHeaders, NeedBothBrackets)
{
    const IniContent content = parse("[a]\r\n[b\r\nc]\r\n[]\r\n[x=y]\r\n");
    EXPECT_EQ(content, (IniContent{{"a", {"[b", "c]"}}, {"", {}}, {"x=y", {}}}));
}

TEST(Entries, SplitAtTheFirstEquals)
{
    const IniContent content = parse("[a]\r\nkey = b = c\r\n= value\r\n");
    EXPECT_EQ(content, (IniContent{{"a", {"key=b = c", "=value"}}}));
    EXPECT_EQ(find_value(content, "a", "key"), "b = c");
    EXPECT_EQ(find_value(content, "a", ""), "value");
}

TEST(Entries, ALineWithoutEqualsIsKeptAsItStandsAndIsNoKey)
{
    const IniContent content = parse("[a]\r\n  just some words  \r\n");
    EXPECT_EQ(content, (IniContent{{"a", {"just some words"}}}));
    EXPECT_EQ(find_value(content, "a", "just some words"), std::nullopt);
}

TEST(Lookup, SectionsAndKeysMatchWithoutRegardToCase)
{
    const IniContent content = parse("[YmSz]\r\nLEFT=3\r\n");
    EXPECT_EQ(find_value(content, "ymsz", "left"), "3");
}

TEST(Lookup, TheLaterOfTwoEqualKeysIsRead)
{
    const IniContent content = parse("[ymsz]\r\nleft=1\r\nLeft=2\r\n");
    EXPECT_EQ(content, (IniContent{{"ymsz", {"left=1", "Left=2"}}}));
    EXPECT_EQ(find_value(content, "ymsz", "left"), "2");
}

TEST(Lookup, TheLaterOfTwoEqualSectionsIsReadAndBothAreKept)
{
    const IniContent content = parse("[ymsz]\r\nleft=1\r\ntop=7\r\n[zw]\r\nline=30\r\n[YMSZ]\r\nleft=2\r\n");
    EXPECT_EQ(content.size(), 3u);
    EXPECT_EQ(find_value(content, "ymsz", "left"), "2");
    EXPECT_EQ(find_value(content, "ymsz", "top"), std::nullopt);
}

TEST(Lookup, AMissingSectionOrKeyIsNotFound)
{
    const IniContent content = parse("[ymsz]\r\nleft=1\r\n");
    EXPECT_EQ(find_value(content, "zw", "left"), std::nullopt);
    EXPECT_EQ(find_value(content, "ymsz", "right"), std::nullopt);
}

TEST(CodePage936, ChineseValuesAreReadIntoUtf8)
{
    const auto cp936 = settings_test::code_page_936();
    const IniContent content = parse_ini("[bt]\r\nfontname=\xcb\xce\xcc\xe5\r\nfontsize=\xd0\xa1\xb6\xfe(18)\r\n", *cp936);
    EXPECT_EQ(find_value(content, "bt", "fontname"), "宋体");
    EXPECT_EQ(find_value(content, "bt", "fontsize"), "小二(18)");
}

TEST(ByteOrderMark, AUtf8FileKeepsItsFirstSectionWhateverTheCodePage)
{
    const auto cp936 = settings_test::code_page_936();
    const IniContent content = parse_ini("\xEF\xBB\xBF[bt]\r\nfontname=\xe9\xbb\x91\xe4\xbd\x93\r\n", *cp936);
    EXPECT_EQ(content, (IniContent{{"bt", {"fontname=黑体"}}}));
}

TEST(ByteOrderMark, AMarkAloneIsAnEmptyFile)
{
    EXPECT_EQ(parse("\xEF\xBB\xBF"), IniContent{});
}

TEST(ByteOrderMark, AMarkLaterInTheFileIsText)
{
    const IniContent content = parse("[a]\r\n\xEF\xBB\xBFkey=1\r\n");
    EXPECT_EQ(content, (IniContent{{"a", {"\xEF\xBB\xBFkey=1"}}}));
}

}  // namespace
