#include <gtest/gtest.h>

#include "platform/error_text.h"

namespace {

using platform::trim_error_text;

TEST(SystemErrorText, LosesTheFinalPeriodAndLineBreakOfTheSystemsMessage)
{
    EXPECT_EQ(trim_error_text("Access is denied.\r\n"), "Access is denied");
    EXPECT_EQ(trim_error_text("The process cannot access the file because it is being used by another process. \r\n"),
              "The process cannot access the file because it is being used by another process");
}

TEST(SystemErrorText, KeepsPeriodsInsideAndOtherFinalPunctuation)
{
    EXPECT_EQ(trim_error_text("Not enough space on disk. Free some!\n"), "Not enough space on disk. Free some!");
    EXPECT_EQ(trim_error_text("拒绝访问。\r\n"), "拒绝访问。");
}

TEST(SystemErrorText, AnEmptyOrBlankTextStaysEmpty)
{
    EXPECT_EQ(trim_error_text(""), "");
    EXPECT_EQ(trim_error_text(" .\r\n."), "");
}

}  // namespace
