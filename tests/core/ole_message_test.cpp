// The texts that COM failures are reported with.
#include <gtest/gtest.h>

#include "platform/error_text.h"
#include "word/errors.h"
#include "word/ole_message.h"

using word::busy_word_message;
using word::ole_error_text;
using word::ole_failure_message;
using platform::trim_error_text;

TEST(OleMessage, WordsDescriptionLosesItsTrailingStopsBlanksAndLineBreaks)
{
    EXPECT_EQ(trim_error_text("The requested member of the collection does not exist."),
              "The requested member of the collection does not exist");
    EXPECT_EQ(trim_error_text("Value out of range. \r\n"), "Value out of range");
    EXPECT_EQ(trim_error_text("Wait... \t"), "Wait");
    EXPECT_EQ(trim_error_text(" ..."), "");
    EXPECT_EQ(trim_error_text("文档已锁定。"), "文档已锁定。");  // only ASCII stops are cut
    EXPECT_EQ(trim_error_text(".Net error"), ".Net error");
}

TEST(OleMessage, FallsBackToTheSystemTextThenTheCode)
{
    EXPECT_EQ(ole_failure_message("Command failed.", "Unspecified error\r\n", -2147467259), "Command failed");
    EXPECT_EQ(ole_failure_message("", "Unspecified error\r\n", -2147467259), "Unspecified error");
    EXPECT_EQ(ole_failure_message(" ", "", static_cast<std::int32_t>(0x800A1745u)), "OLE error 800a1745");
}

TEST(OleMessage, TheCodeIsEightHexDigits)
{
    EXPECT_EQ(ole_error_text(0x1234), "OLE error 00001234");
    EXPECT_EQ(ole_error_text(static_cast<std::int32_t>(0x80004005u)), "OLE error 80004005");
}

TEST(OleMessage, ABusyWordIsExplainedBeforeTheSystemsText)
{
    EXPECT_EQ(busy_word_message("Word", "Call was rejected by callee.\r\n", static_cast<std::int32_t>(0x80010001u)),
              "Word 正忙（可能有对话框未关闭），请在 Word 中完成当前操作后再试。\nCall was rejected by callee");
    EXPECT_EQ(busy_word_message("Word", "", static_cast<std::int32_t>(0x8001010Au)),
              "Word 正忙（可能有对话框未关闭），请在 Word 中完成当前操作后再试。\nOLE error 8001010a");
    EXPECT_EQ(busy_word_message("WPS 文字", "", static_cast<std::int32_t>(0x8001010Au)),
              "WPS 文字正忙（可能有对话框未关闭），请在 WPS 文字中完成当前操作后再试。\nOLE error 8001010a");
}

TEST(OleMessage, ALostConnectionIsToldFromAFailedCall)
{
    EXPECT_TRUE(word::is_connection_failure(static_cast<std::int32_t>(0x800706BAu)));   // RPC server unavailable
    EXPECT_TRUE(word::is_connection_failure(static_cast<std::int32_t>(0x80010108u)));   // object disconnected
    EXPECT_TRUE(word::is_connection_failure(static_cast<std::int32_t>(0x80010001u)));   // rejected as busy
    EXPECT_FALSE(word::is_connection_failure(static_cast<std::int32_t>(0x800A1745u)));  // Word's own error
    EXPECT_FALSE(word::is_connection_failure(static_cast<std::int32_t>(0x80020003u)));  // member not found
}
