#include "word/com/ole_failure.h"

#include <wrl/client.h>

#include <cstdint>
#include <string>

#include "platform/win/system_error.h"
#include "platform/win/text.h"
#include "word/com/automation_values.h"
#include "word/com/busy_word.h"
#include "word/errors.h"
#include "word/ole_message.h"

namespace word::com {

namespace {

using platform::win::bstr_to_utf8;

std::int32_t code_of(HRESULT result)
{
    return static_cast<std::int32_t>(result);
}

std::string system_error_text(HRESULT code)
{
    return platform::win::system_error_text(static_cast<DWORD>(code));
}

[[noreturn]] void raise_ole_exception(const std::string& description, HRESULT code, std::string source,
                                      std::string help_file, std::int32_t help_context)
{
    throw EOleException(ole_failure_message(description, system_error_text(code), code_of(code)),
                        code_of(code), std::move(source), std::move(help_file), help_context);
}

[[noreturn]] void raise_from_error_object(HRESULT result)
{
    Microsoft::WRL::ComPtr<IErrorInfo> error;
    if (GetErrorInfo(0, error.GetAddressOf()) != S_OK || !error) raise_ole_exception({}, result, {}, {}, 0);
    Bstr description, source, help_file;
    DWORD help_context = 0;
    error->GetDescription(description.put());
    error->GetSource(source.put());
    error->GetHelpFile(help_file.put());
    error->GetHelpContext(&help_context);
    raise_ole_exception(description.utf8(), result, source.utf8(), help_file.utf8(),
                        static_cast<std::int32_t>(help_context));
}

// Word stayed busy for the whole window.
[[noreturn]] void raise_busy(HRESULT result, std::string_view program)
{
    throw EOleSysError(busy_word_message(program, system_error_text(result), code_of(result)), code_of(result));
}

}  // namespace

ExceptionInfo::~ExceptionInfo()
{
    SysFreeString(info_.bstrSource);
    SysFreeString(info_.bstrDescription);
    SysFreeString(info_.bstrHelpFile);
}

const EXCEPINFO& ExceptionInfo::filled()
{
    if (info_.pfnDeferredFillIn) {
        auto fill_in = info_.pfnDeferredFillIn;
        info_.pfnDeferredFillIn = nullptr;
        fill_in(&info_);
    }
    return info_;
}

void check_call(HRESULT result, ExceptionInfo& info, std::string_view program)
{
    if (SUCCEEDED(result)) return;
    if (is_busy_rejection(result)) raise_busy(result, program);
    if (result != DISP_E_EXCEPTION) raise_from_error_object(result);
    const EXCEPINFO& exception = info.filled();
    // A server may describe its error by the 16-bit wCode alone.
    const HRESULT code = exception.scode != 0 ? exception.scode
                         : exception.wCode != 0 ? MAKE_HRESULT(SEVERITY_ERROR, FACILITY_DISPATCH, exception.wCode)
                                                : DISP_E_EXCEPTION;
    raise_ole_exception(bstr_to_utf8(exception.bstrDescription), code, bstr_to_utf8(exception.bstrSource),
                        bstr_to_utf8(exception.bstrHelpFile), static_cast<std::int32_t>(exception.dwHelpContext));
}

void check_system(HRESULT result, std::string_view program)
{
    if (SUCCEEDED(result)) return;
    if (is_busy_rejection(result)) raise_busy(result, program);
    throw EOleSysError(ole_failure_message({}, system_error_text(result), code_of(result)), code_of(result));
}

std::string failure_text(HRESULT result)
{
    return ole_failure_message({}, system_error_text(result), code_of(result));
}

void raise_unknown_member(std::string_view name)
{
    throw EOleError("Method '" + std::string(name) + "' not supported by automation object");
}

}  // namespace word::com
