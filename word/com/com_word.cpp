#include "word/com/com_word.h"

#include <windows.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <optional>
#include <string>
#include <vector>

#include "word/com/busy_word.h"
#include "word/com/com_objects.h"
#include "word/com/session.h"
#include "word/com/ole_failure.h"
#include "word/errors.h"

namespace word::com {

namespace {

using Microsoft::WRL::ComPtr;

// Word.Application and its _Application interface.
constexpr CLSID kWordApplication = {0x000209FF, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kApplicationInterface = {0x00020970, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

constexpr const wchar_t* kWordProgId = L"Word.Application";

// WPS Writer's automation classes, newer first. Their class ids differ
// between WPS versions and editions, so only the names are known here.
constexpr const wchar_t* kWpsProgIds[] = {L"KWPS.Application", L"WPS.Application"};

// A per-user registration lives under HKCU\Software\Classes; Windows shows
// it through HKEY_CLASSES_ROOT, but not every COM runtime does.
std::optional<CLSID> per_user_class(const wchar_t* prog_id)
{
    const std::wstring key = std::wstring(L"Software\\Classes\\") + prog_id + L"\\CLSID";
    wchar_t text[64];
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return std::nullopt;
    CLSID id;
    if (FAILED(CLSIDFromString(text, &id))) return std::nullopt;
    return id;
}

std::vector<Server> installed_wps_servers()
{
    std::vector<Server> servers;
    for (const wchar_t* prog_id : kWpsProgIds) {
        CLSID id;
        if (SUCCEEDED(CLSIDFromProgID(prog_id, &id))) {
            servers.push_back({id, prog_id, Product::wps});
        } else if (const auto per_user = per_user_class(prog_id)) {
            servers.push_back({*per_user, prog_id, Product::wps});
        }
    }
    return servers;
}

ComPtr<IUnknown> running(const CLSID& server)
{
    ComPtr<IUnknown> object;
    if (FAILED(GetActiveObject(server, nullptr, object.GetAddressOf()))) return nullptr;
    return object;
}

HRESULT start(const CLSID& server, ComPtr<IUnknown>& object)
{
    object.Reset();
    const HRESULT result = CoCreateInstance(server, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                            reinterpret_cast<void**>(object.GetAddressOf()));
    return SUCCEEDED(result) && !object ? E_NOINTERFACE : result;
}

// _Application is dual: its vtable begins with IDispatch's, which is all we
// call.
std::unique_ptr<word::Application> as_word(const ComPtr<IUnknown>& word, std::chrono::milliseconds busy_window)
{
    ComPtr<IDispatch> application;
    if (FAILED(word->QueryInterface(kApplicationInterface, reinterpret_cast<void**>(application.GetAddressOf()))) ||
        !application)
        throw EIntfCastError();
    return application_over(std::move(application),
                            attach_session({kWordApplication, kWordProgId, Product::word}, busy_window));
}

// WPS's interfaces are its own, under Word's member names: IDispatch is the
// one they share.
std::unique_ptr<word::Application> as_wps(const ComPtr<IUnknown>& wps, const Server& server,
                                          std::chrono::milliseconds busy_window)
{
    ComPtr<IDispatch> application;
    if (FAILED(wps.As(&application)) || !application) throw EIntfCastError();
    return application_over(std::move(application), attach_session(server, busy_window));
}

}  // namespace

std::unique_ptr<word::Application> attach_to_word()
{
    return attach_with_busy_window(kBusyWordWindow);
}

std::unique_ptr<word::Application> attach_with_busy_window(std::chrono::milliseconds busy_window)
{
    if (const auto word = running(kWordApplication)) return as_word(word, busy_window);
    const std::vector<Server> wps_servers = installed_wps_servers();
    for (const Server& wps_server : wps_servers)
        if (const auto wps = running(wps_server.class_id)) return as_wps(wps, wps_server, busy_window);

    ComPtr<IUnknown> started;
    const HRESULT word_failure = start(kWordApplication, started);
    if (SUCCEEDED(word_failure)) return as_word(started, busy_window);
    // Without Word, WPS's own failure says more than Word's absence.
    HRESULT failure = word_failure;
    for (const Server& wps_server : wps_servers) {
        const HRESULT result = start(wps_server.class_id, started);
        if (SUCCEEDED(result)) return as_wps(started, wps_server, busy_window);
        if (word_failure == REGDB_E_CLASSNOTREG && failure == word_failure) failure = result;
    }
    check_system(failure);
    throw EIntfCastError();  // not reached: failure is a failure
}

}  // namespace word::com
