#include "word/com/com_word.h"

#include <windows.h>
#include <oleauto.h>
#include <wrl/client.h>

#include "word/com/com_objects.h"
#include "word/com/ole_failure.h"
#include "word/errors.h"

namespace word::com {

namespace {

using Microsoft::WRL::ComPtr;

// Word.Application and its _Application interface.
constexpr CLSID kWordApplication = {0x000209FF, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kApplicationInterface = {0x00020970, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

ComPtr<IUnknown> running_or_new_word()
{
    ComPtr<IUnknown> word;
    if (SUCCEEDED(GetActiveObject(kWordApplication, nullptr, word.GetAddressOf())) && word) return word;
    word.Reset();
    check_system(CoCreateInstance(kWordApplication, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                  IID_IUnknown, reinterpret_cast<void**>(word.GetAddressOf())));
    return word;
}

}  // namespace

std::unique_ptr<word::Application> attach_to_word()
{
    const ComPtr<IUnknown> word = running_or_new_word();
    // _Application is dual: its vtable begins with IDispatch's, which is all
    // we call.
    ComPtr<IDispatch> application;
    if (FAILED(word->QueryInterface(kApplicationInterface, reinterpret_cast<void**>(application.GetAddressOf()))) ||
        !application)
        throw EIntfCastError();
    return application_over(std::move(application));
}

}  // namespace word::com
