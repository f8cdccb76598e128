// The one place where a failed HRESULT becomes one of word/errors.h's
// exceptions, with Word's exception information or error object.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>
#include <string_view>

namespace word::com {

// Word's exception information from a failed Invoke; its strings are freed
// whatever happens to the call.
class ExceptionInfo {
public:
    ExceptionInfo() : info_{} {}
    ~ExceptionInfo();
    ExceptionInfo(const ExceptionInfo&) = delete;
    ExceptionInfo& operator=(const ExceptionInfo&) = delete;

    EXCEPINFO* put() { return &info_; }
    // Fills in what a server left for later (pfnDeferredFillIn).
    const EXCEPINFO& filled();

private:
    EXCEPINFO info_;
};

// Failure of a member call: EOleException from the exception information
// (DISP_E_EXCEPTION) or from the thread's error object. The program is the
// one a busy rejection names ("Word", "WPS 文字").
void check_call(HRESULT result, ExceptionInfo& info, std::string_view program = "Word");

// Failure of a call into the COM runtime itself: EOleSysError.
void check_system(HRESULT result, std::string_view program = "Word");

// What the system says of a failure, or the generic OLE text.
std::string failure_text(HRESULT result);

// A member name the object does not know: EOleError.
[[noreturn]] void raise_unknown_member(std::string_view name);

}  // namespace word::com
