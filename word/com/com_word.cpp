#include "word/com/com_word.h"

#include <windows.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win/text.h"
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

// Each name's class as the machine registers it, then as the user does
// when that differs: a per-user install may leave the machine's entry
// without a server.
std::vector<Server> installed_wps_servers()
{
    std::vector<Server> servers;
    const auto add = [&](const CLSID& id, const wchar_t* prog_id) {
        for (const Server& known : servers)
            if (IsEqualCLSID(known.class_id, id)) return;
        servers.push_back({id, prog_id, Product::wps});
    };
    for (const wchar_t* prog_id : kWpsProgIds) {
        CLSID id;
        if (SUCCEEDED(CLSIDFromProgID(prog_id, &id))) add(id, prog_id);
        if (const auto per_user = per_user_class(prog_id)) add(*per_user, prog_id);
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

// The command of a class's local server as registered for the user.
std::optional<std::wstring> per_user_server(const CLSID& id)
{
    wchar_t class_text[64];
    if (StringFromGUID2(id, class_text, 64) == 0) return std::nullopt;
    const std::wstring key = std::wstring(L"Software\\Classes\\CLSID\\") + class_text + L"\\LocalServer32";
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring command(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, command.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    command.resize(wcsnlen(command.c_str(), command.size()));
    return command;
}

// Starts a server registered for the user alone as COM would, for a COM
// runtime that reads the machine's registrations only (Wine), and waits up
// to 30 seconds for its application to be up.
HRESULT start_per_user(const CLSID& id, ComPtr<IUnknown>& object)
{
    const auto command = per_user_server(id);
    if (!command) return REGDB_E_CLASSNOTREG;
    std::wstring line = *command + L" -Embedding";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return HRESULT_FROM_WIN32(GetLastError());
    CloseHandle(process.hThread);
    HRESULT result = CO_E_SERVER_EXEC_FAILURE;
    for (int tries = 0; tries < 300; ++tries) {
        if ((object = running(id))) {
            result = S_OK;
            break;
        }
        if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0) break;
    }
    CloseHandle(process.hProcess);
    return result;
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

    // Word's registration may outlive Word (a server that does not start):
    // WPS is tried all the same, and the failure names every program tried.
    ComPtr<IUnknown> started;
    const HRESULT word_failure = start(kWordApplication, started);
    if (SUCCEEDED(word_failure)) return as_word(started, busy_window);
    std::string tried = "Word：" + failure_text(word_failure);
    // Without Word, WPS's own failure says more than Word's absence.
    HRESULT failure = word_failure;
    for (const Server& wps_server : wps_servers) {
        HRESULT result = start(wps_server.class_id, started);
        if (FAILED(result) && per_user_server(wps_server.class_id)) result = start_per_user(wps_server.class_id, started);
        if (SUCCEEDED(result)) return as_wps(started, wps_server, busy_window);
        tried += "\nWPS 文字（" + platform::win::to_utf8(wps_server.prog_id) + "）：" + failure_text(result);
        if (word_failure == REGDB_E_CLASSNOTREG && failure == word_failure) failure = result;
    }
    if (wps_servers.empty()) tried += "\nWPS 文字：未安装";
    if (is_busy_rejection(failure)) check_system(failure);
    throw EOleSysError("找不到可以使用的文字处理程序：\n" + tried, static_cast<std::int32_t>(failure));
}

}  // namespace word::com
