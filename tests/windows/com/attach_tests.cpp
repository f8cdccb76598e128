// Finding Word: the running one, else one started through its registration.
#include <gtest/gtest.h>

#include "tests/windows/com/standin_word.h"
#include "word/com/com_word.h"
#include "word/errors.h"

using com_tests::StandinWord;
using com_tests::write_document;

namespace {

// Every test starts with Word installed (the stand-in registered as Word)
// and none running.
class Attach : public testing::Test {
protected:
    void SetUp() override
    {
        StandinWord::quit_all();
        StandinWord::unregister_server();
        StandinWord::register_server({"--document", write_document("registered.txt", "一\n二\n三\n")});
    }
    void TearDown() override { StandinWord::quit_all(); }
};

TEST_F(Attach, FindsTheRunningWord)
{
    auto standin = StandinWord::start({"--document", write_document("attach.txt", "标题\n正文\n")});
    auto word = word::com::attach_to_word();
    EXPECT_EQ(word->documents()->count(), 1);
    EXPECT_EQ(standin.calls_of("Application.Documents"), 1);
    EXPECT_EQ(standin.calls_of("Documents.Count"), 1);
    // The application alone is held now.
    EXPECT_EQ(standin.references(), 1);
    EXPECT_EQ(standin.objects_alive(), 0);
    word.reset();
    EXPECT_EQ(standin.references(), 0);
}

TEST_F(Attach, FindsTheSameRunningWordAtEveryAttach)
{
    auto standin = StandinWord::start({"--document", write_document("again.txt", "一\n")});
    for (int run = 0; run < 3; ++run) {
        auto word = word::com::attach_to_word();
        word->set_visible(true);
        EXPECT_EQ(standin.references(), 1);
    }
    EXPECT_EQ(standin.calls_of("Application.Visible"), 3);
    EXPECT_EQ(standin.references(), 0);
}

TEST_F(Attach, StartsWordThroughItsRegistrationWhenNoneRuns)
{
    ASSERT_FALSE(StandinWord::is_running());
    {
        auto word = word::com::attach_to_word();
        EXPECT_EQ(word->active_document()->paragraphs()->count(), 3);
    }
    // Word is never asked to quit: the started one keeps running.
    ASSERT_TRUE(StandinWord::is_running());
    auto standin = StandinWord::running();
    EXPECT_EQ(standin.calls_of("Paragraphs.Count"), 1);
    EXPECT_EQ(standin.references(), 0);
}

// Wine has no text for REGDB_E_CLASSNOTREG (Windows says "Class not
// registered"), so the generic text stands in for it; each program tried
// has a line.
TEST_F(Attach, WithoutWordFailsWithTheSystemErrorOfAClassNotRegistered)
{
    StandinWord::unregister_server();
    try {
        word::com::attach_to_word();
        FAIL() << "attached to a Word that is not installed";
    } catch (const word::EOleException&) {
        FAIL() << "raised Word's exception kind instead of the system error";
    } catch (const word::EOleSysError& error) {
        EXPECT_STREQ(error.what(), "找不到可以使用的文字处理程序：\nWord：OLE error 80040154\nWPS 文字：未安装");
        EXPECT_EQ(static_cast<unsigned>(error.error_code()), 0x80040154u);
    }
}

TEST_F(Attach, AnObjectThatIsNotWordsApplicationIsRefused)
{
    auto standin = StandinWord::start({"--without-application-interface"});
    try {
        word::com::attach_to_word();
        FAIL() << "attached to an object without _Application";
    } catch (const word::EIntfCastError& error) {
        EXPECT_STREQ(error.what(), "Interface not supported");
    }
    EXPECT_EQ(standin.references(), 0);
}

TEST_F(Attach, DetachingReleasesEveryReference)
{
    auto standin = StandinWord::start({"--document", write_document("detach.txt", "一\n二\n")});
    {
        auto word = word::com::attach_to_word();
        auto document = word->active_document();
        auto range = document->paragraphs()->item(2)->range();
        EXPECT_EQ(range->text(), "二\r");
        EXPECT_GT(standin.references(), 0);
    }
    EXPECT_EQ(standin.references(), 0);
    EXPECT_EQ(standin.objects_alive(), 0);
}

}  // namespace
