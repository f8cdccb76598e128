// What a failed call to Word raises, and with which text.
#include <windows.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include "tests/windows/com/standin_word.h"
#include "word/com/com_word.h"
#include "word/com/dispatch.h"
#include "word/errors.h"

using com_tests::StandinWord;
using com_tests::write_document;
using standin_server::FaultKind;

namespace {

class CallFailure : public testing::Test {
protected:
    void SetUp() override
    {
        while (StandinWord::is_running()) StandinWord::running().quit();
        StandinWord::register_server({});
        standin_.emplace(StandinWord::start({"--document", write_document("errors.txt", "标题\n正文\n")}));
        word_ = word::com::attach_to_word();
    }
    void TearDown() override
    {
        word_.reset();
        standin_.reset();
    }

    // The exception that the next call on Word raises.
    word::EOleException next_call_failure()
    {
        try {
            word_->documents();
        } catch (const word::EOleException& error) {
            return error;
        }
        ADD_FAILURE() << "the call did not fail";
        return word::EOleException("", 0, "", "", 0);
    }

    std::optional<StandinWord> standin_;
    std::unique_ptr<word::Application> word_;
};

TEST_F(CallFailure, WordsDescriptionLosesItsTrailingBlanksControlsAndPeriods)
{
    standin_->fail_call(1, "The requested member of the collection does not exist. \r\n", 0x800A1745,
                        FaultKind::dispatch_exception, "Microsoft Word", "C:\\Office\\wdmain11.chm", 25421);
    const auto error = next_call_failure();
    EXPECT_STREQ(error.what(), "The requested member of the collection does not exist");
    EXPECT_EQ(static_cast<unsigned>(error.error_code()), 0x800A1745u);
    EXPECT_EQ(error.source(), "Microsoft Word");
    EXPECT_EQ(error.help_file(), "C:\\Office\\wdmain11.chm");
    EXPECT_EQ(error.help_context(), 25421);
}

TEST_F(CallFailure, KeepsAChineseDescriptionWhole)
{
    standin_->fail_call(1, "该命令无效。", 0x800A1066);
    EXPECT_STREQ(next_call_failure().what(), "该命令无效。");
}

TEST_F(CallFailure, WithoutADescriptionTheSystemTextForTheCodeStands)
{
    standin_->fail_call(1, "  .", E_OUTOFMEMORY);
    const auto error = next_call_failure();
    EXPECT_STREQ(error.what(), "内存不足。");
    EXPECT_EQ(static_cast<unsigned>(error.error_code()), 0x8007000Eu);
}

TEST_F(CallFailure, WithoutAnyTextTheCodeIsShown)
{
    standin_->fail_call(1, "", static_cast<HRESULT>(0x800A1098));
    EXPECT_STREQ(next_call_failure().what(), "OLE error 800a1098");
}

// Wine carries no error object from one process to another; Windows does.
// Across processes the code still arrives, as Word's exception.
TEST_F(CallFailure, AFailureDescribedByAnErrorObjectIsWordsException)
{
    standin_->fail_call(1, "Object has been deleted.", static_cast<HRESULT>(0x800A16C1), FaultKind::error_object,
                        "Microsoft Word", "wdmain11.chm", 7);
    EXPECT_EQ(static_cast<unsigned>(next_call_failure().error_code()), 0x800A16C1u);
}

// An object in this process that fails every call as an early-bound Word
// call does: an HRESULT, with the description in the thread's error object.
class ErrorObjectFailure : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return *count = 0, S_OK; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID* ids) override
    {
        return ids[0] = 1, S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        Microsoft::WRL::ComPtr<ICreateErrorInfo> creator;
        CreateErrorInfo(creator.GetAddressOf());
        creator->SetDescription(const_cast<LPOLESTR>(L"Object has been deleted.\r\n"));
        creator->SetSource(const_cast<LPOLESTR>(L"Microsoft Word"));
        creator->SetHelpFile(const_cast<LPOLESTR>(L"wdmain11.chm"));
        creator->SetHelpContext(7);
        Microsoft::WRL::ComPtr<IErrorInfo> error;
        creator.As(&error);
        SetErrorInfo(0, error.Get());
        return static_cast<HRESULT>(0x800A16C1);
    }
};

TEST(ErrorObject, DescribesTheFailureOfAnEarlyBoundStyleCall)
{
    ErrorObjectFailure failing;
    word::com::ComSession session;
    word::com::Dispatch dispatch{&failing, session, "ErrorObjectFailure"};
    try {
        dispatch.call("Delete");
        FAIL() << "the call did not fail";
    } catch (const word::EOleException& error) {
        EXPECT_STREQ(error.what(), "Object has been deleted");
        EXPECT_EQ(static_cast<unsigned>(error.error_code()), 0x800A16C1u);
        EXPECT_EQ(error.source(), "Microsoft Word");
        EXPECT_EQ(error.help_file(), "wdmain11.chm");
        EXPECT_EQ(error.help_context(), 7);
    }
}

TEST_F(CallFailure, AFailedResultAloneGivesTheSystemText)
{
    standin_->fail_call(1, "", E_ACCESSDENIED, FaultKind::bare_result);
    const auto error = next_call_failure();
    EXPECT_STREQ(error.what(), "访问被拒绝。");
    EXPECT_EQ(static_cast<unsigned>(error.error_code()), 0x80070005u);
    EXPECT_EQ(error.source(), "");
}

TEST_F(CallFailure, WordsOwnErrorReachesTheCaller)
{
    auto paragraphs = word_->active_document()->paragraphs();
    try {
        paragraphs->item(3);
        FAIL() << "Word gave a third paragraph of two";
    } catch (const word::EOleException& error) {
        EXPECT_STREQ(error.what(), "The requested member of the collection does not exist");
        EXPECT_EQ(static_cast<unsigned>(error.error_code()), 0x800A1745u);
        EXPECT_EQ(error.source(), "Microsoft Word");
    }
}

TEST_F(CallFailure, TheFailingCallIsTheOneAskedFor)
{
    standin_->fail_call(3, "Third.", static_cast<HRESULT>(0x800A1745));
    auto documents = word_->documents();      // 1
    EXPECT_EQ(documents->count(), 1);         // 2
    EXPECT_THROW(documents->count(), word::EOleException);  // 3
    EXPECT_EQ(documents->count(), 1);         // the fault is spent
}

TEST_F(CallFailure, AnUnknownMemberNameIsAnOleErrorNamingIt)
{
    Microsoft::WRL::ComPtr<IUnknown> running;
    ASSERT_EQ(GetActiveObject(standin_server::kWordApplicationClass, nullptr, running.GetAddressOf()), S_OK);
    Microsoft::WRL::ComPtr<IDispatch> application;
    ASSERT_EQ(running.As(&application), S_OK);
    word::com::ComSession session;
    word::com::Dispatch dispatch{application, session, "_Application"};
    try {
        dispatch.call("PrintPreviewTwice");
        FAIL() << "an unknown member was called";
    } catch (const word::EOleSysError&) {
        FAIL() << "an unknown name is not a system error";
    } catch (const word::EOleError& error) {
        EXPECT_STREQ(error.what(), "Method 'PrintPreviewTwice' not supported by automation object");
    }
}

TEST_F(CallFailure, AWordThatWasClosedFailsTheNextCall)
{
    auto document = word_->active_document();
    standin_->drop();
    try {
        document->paragraphs();
        FAIL() << "a closed Word answered";
    } catch (const word::EOleException& error) {
        EXPECT_STREQ(error.what(), "RPC 服务器不可用。");
        EXPECT_EQ(static_cast<unsigned>(error.error_code()), 0x800706BAu);
    }
}

}  // namespace
