#include <gtest/gtest.h>

#include "settings/code_page.h"
#include "settings/ini_text.h"
#include "tests/settings/real_files.h"

namespace {

using settings::format_ini;
using settings::IniContent;
using settings::parse_ini;
using settings::set_value;

const settings::Utf8CodePage utf8;

TEST(Layout, EverySectionIsItsHeaderItsLinesAndAnEmptyLineAllEndedByCrLf)
{
    const IniContent content{{"a", {"one=1", "loose words"}}, {"b", {}}};
    EXPECT_EQ(format_ini(content, utf8), "[a]\r\none=1\r\nloose words\r\n\r\n[b]\r\n\r\n");
}

TEST(Layout, NoSectionsIsAnEmptyFile)
{
    EXPECT_EQ(format_ini(IniContent{}, utf8), "");
}

TEST(WritingAValue, ReplacesTheKeysLineInPlaceWithTheKeyAsTheDialogSpellsIt)
{
    IniContent content = parse_ini("[YMSZ]\r\nLEFT = 3\r\nright=4\r\n", utf8);
    set_value(content, "ymsz", "left", "2.7");
    EXPECT_EQ(format_ini(content, utf8), "[YMSZ]\r\nleft=2.7\r\nright=4\r\n\r\n");
}

TEST(WritingAValue, ReplacesOnlyTheLaterOfTwoEqualKeys)
{
    IniContent content = parse_ini("[ymsz]\r\nleft=1\r\ntop=5\r\nleft=2\r\n", utf8);
    set_value(content, "ymsz", "left", "3");
    EXPECT_EQ(format_ini(content, utf8), "[ymsz]\r\nleft=1\r\ntop=5\r\nleft=3\r\n\r\n");
}

TEST(WritingAValue, GoesIntoTheLaterOfTwoEqualSections)
{
    IniContent content = parse_ini("[zw]\r\nline=1\r\n[wb]\r\n[ZW]\r\nfontname=x\r\n", utf8);
    set_value(content, "zw", "line", "30");
    EXPECT_EQ(format_ini(content, utf8), "[zw]\r\nline=1\r\n\r\n[wb]\r\n\r\n[ZW]\r\nfontname=x\r\nline=30\r\n\r\n");
}

TEST(WritingAValue, ANewKeyIsAppendedAtTheEndOfItsSection)
{
    IniContent content = parse_ini("[ymsz]\r\nleft=1\r\nloose words\r\n[zw]\r\nline=25\r\n", utf8);
    set_value(content, "ymsz", "top", "2.5");
    EXPECT_EQ(format_ini(content, utf8),
              "[ymsz]\r\nleft=1\r\nloose words\r\ntop=2.5\r\n\r\n[zw]\r\nline=25\r\n\r\n");
}

TEST(WritingAValue, ANewSectionIsAppendedAtTheEndOfTheFile)
{
    IniContent content = parse_ini("[zw]\r\nline=25\r\n", utf8);
    set_value(content, "wb", "tshr", "0");
    EXPECT_EQ(format_ini(content, utf8), "[zw]\r\nline=25\r\n\r\n[wb]\r\ntshr=0\r\n\r\n");
}

TEST(WritingAValue, AKeyOnALineWithoutEqualsIsNotReplaced)
{
    IniContent content = parse_ini("[a]\r\nkey\r\n", utf8);
    set_value(content, "a", "key", "1");
    EXPECT_EQ(format_ini(content, utf8), "[a]\r\nkey\r\nkey=1\r\n\r\n");
}

TEST(Encoding, TextThatCodePage936HoldsIsWrittenInItWithoutAMark)
{
    const auto cp936 = settings_test::code_page_936();
    const IniContent content{{"bt", {"fontname=宋体"}}};
    EXPECT_EQ(format_ini(content, *cp936), "[bt]\r\nfontname=\xcb\xce\xcc\xe5\r\n\r\n");
}

TEST(Encoding, OneCharacterOutsideCodePage936MakesTheWholeFileUtf8WithAMark)
{
    const auto cp936 = settings_test::code_page_936();
    const IniContent content{{"bt", {"fontname=宋体"}}, {"zw", {"fontname=맑은 고딕"}}};
    EXPECT_EQ(format_ini(content, *cp936),
              "\xEF\xBB\xBF[bt]\r\nfontname=\xe5\xae\x8b\xe4\xbd\x93\r\n\r\n"
              "[zw]\r\nfontname=\xeb\xa7\x91\xec\x9d\x80 \xea\xb3\xa0\xeb\x94\x95\r\n\r\n");
}

TEST(Encoding, AUtf8FileReadsBackAsItWasWritten)
{
    const auto cp936 = settings_test::code_page_936();
    const IniContent content{{"zw", {"fontname=맑은 고딕", "line=25"}}};
    EXPECT_EQ(parse_ini(format_ini(content, *cp936), *cp936), content);
}

}  // namespace
