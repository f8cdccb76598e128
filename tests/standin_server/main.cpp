// standin_word.exe: the in-memory stand-in Word as a COM local server that
// answers to Word's class id, for the Windows tests of the COM link. Test
// tooling only, never shipped.
//
//   standin_word.exe [--document FILE.txt] [--without-application-interface]
//                    [--idle-exit SECONDS] [--prog-id KWPS.Application [--per-user]]
//                    [--without Member,Member...] [--refuse Member,...] [--name NAME]
//                    [/regserver | /regbrokenword | /unregserver]
//
// /regserver records the other options in the registration, so that a
// server that COM starts gets them too (COM adds -Embedding); they sit in
// a value of their own, as Wine's COM reads no server command longer than
// MAX_PATH. With
// --prog-id the stand-in plays WPS Writer under that name: a class id of
// its own, no Word interface, registered for all users or (--per-user) for
// the current one. --without makes those member names unknown on every
// object, as WPS lacks some of Word's; --refuse makes every call of those
// members fail with a Word error; --name is Application.Name. /regbrokenword
// registers Word.Application with a server that cannot start, as on a
// machine where only WPS is left. /unregserver removes every registration.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/win/text.h"
#include "tests/standin/in_memory_word.h"
#include "tests/standin_server/control_object.h"
#include "tests/standin_server/registration.h"
#include "tests/standin_server/server_state.h"
#include "tests/standin_server/word_objects.h"

namespace standin_server {

namespace {

class ClassFactory : public IClassFactory {
public:
    explicit ClassFactory(DispatchObject& application) : application_(application) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
            *object = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives as long as the server: a static object.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    // Like Word, one application for every caller.
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return application_.QueryInterface(iid, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    DispatchObject& application_;
};

struct Options {
    std::wstring document;
    bool register_only = false;
    bool unregister_only = false;
    bool without_application_interface = false;
    std::wstring wps_prog_id;  // empty: plays Word
    bool per_user = false;
    bool register_broken_word = false;
    std::wstring without, refuse, name;
    long idle_exit_seconds = 600;
    std::wstring recorded;  // what /regserver writes into the registration
};

std::wstring quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

// The words of a command line after the program's name.
std::vector<std::wstring> arguments_of(const std::wstring& command_line)
{
    int count = 0;
    wchar_t** words = CommandLineToArgvW(command_line.c_str(), &count);
    std::vector<std::wstring> split;
    for (int i = 1; words && i < count; ++i) split.emplace_back(words[i]);
    LocalFree(words);
    return split;
}

// A server that COM started reads the options /regserver recorded for its
// class in place of "--recorded word|wps".
std::vector<std::wstring> with_recorded_options(const std::vector<std::wstring>& arguments)
{
    std::vector<std::wstring> expanded;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == L"--recorded" && i + 1 < arguments.size()) {
            const auto recorded = arguments_of(L"standin_word.exe " + recorded_options(arguments[++i] == L"wps"));
            expanded.insert(expanded.end(), recorded.begin(), recorded.end());
        } else {
            expanded.push_back(arguments[i]);
        }
    }
    return expanded;
}

Options parse(const std::vector<std::wstring>& given)
{
    Options options;
    auto record = [&](const std::wstring& text) {
        if (!options.recorded.empty()) options.recorded += L" ";
        options.recorded += text;
    };
    const std::vector<std::wstring> arguments = with_recorded_options(given);
    const std::size_t count = arguments.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::wstring& argument = arguments[i];
        if (argument == L"--document" && i + 1 < count) {
            options.document = arguments[++i];
            record(L"--document " + quoted(options.document));
        } else if (argument == L"--without-application-interface") {
            options.without_application_interface = true;
            record(argument);
        } else if (argument == L"--prog-id" && i + 1 < count) {
            options.wps_prog_id = arguments[++i];
            record(L"--prog-id " + options.wps_prog_id);
        } else if (argument == L"--without" && i + 1 < count) {
            options.without = arguments[++i];
            record(L"--without " + options.without);
        } else if (argument == L"--refuse" && i + 1 < count) {
            options.refuse = arguments[++i];
            record(L"--refuse " + options.refuse);
        } else if (argument == L"--name" && i + 1 < count) {
            options.name = arguments[++i];
            record(L"--name " + quoted(options.name));
        } else if (argument == L"/regbrokenword" || argument == L"-regbrokenword") {
            options.register_broken_word = true;
        } else if (argument == L"--per-user") {
            options.per_user = true;
        } else if (argument == L"--idle-exit" && i + 1 < count) {
            options.idle_exit_seconds = std::wcstol(arguments[++i].c_str(), nullptr, 10);
            record(L"--idle-exit " + std::to_wstring(options.idle_exit_seconds));
        } else if (argument == L"/regserver" || argument == L"-regserver") {
            options.register_only = true;
        } else if (argument == L"/unregserver" || argument == L"-unregserver") {
            options.unregister_only = true;
        }
        // -Embedding and anything else: nothing to do.
    }
    return options;
}

// "A,B" as {"A", "B"}.
std::set<std::string, std::less<>> names_in(const std::wstring& list)
{
    std::set<std::string, std::less<>> names;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(L',', start), list.size());
        if (comma > start) names.insert(platform::win::to_utf8(list.substr(start, comma - start)));
        start = comma + 1;
    }
    return names;
}

// Cuts every caller off, as a Word that was closed does, and ends.
void drop_connections(ServerState& state)
{
    std::vector<DispatchObject*> objects(state.objects.begin(), state.objects.end());
    for (DispatchObject* object : objects) object->AddRef();
    for (DispatchObject* object : objects) CoDisconnectObject(static_cast<IDispatch*>(object), 0);
    for (DispatchObject* object : objects) object->Release();
}

int serve(const Options& options)
{
    ServerState state;
    state.main_thread = GetCurrentThreadId();
    const bool plays_wps = !options.wps_prog_id.empty();
    // WPS's application object has interfaces of its own, not Word's.
    state.offers_application_interface = !options.without_application_interface && !plays_wps;
    const CLSID& server_class = plays_wps ? kStandinWpsClass : kWordApplicationClass;
    const CLSID& control_class = plays_wps ? kWpsControlClass : kControlClass;
    state.idle_limit_seconds = options.idle_exit_seconds;
    state.model->lacking = names_in(options.without);
    state.model->refused = names_in(options.refuse);
    if (!options.name.empty()) state.model->application_name = platform::win::to_utf8(options.name);
    else if (plays_wps) state.model->application_name = "WPS 文字";
    state.last_call_tick = GetTickCount64();
    if (!options.document.empty() && !open_text_file(state, options.document, true)) {
        std::fwprintf(stderr, L"standin_word: cannot read %ls\n", options.document.c_str());
        return 1;
    }

    DispatchObject* application = new_application(state, standin::connect(state.model));
    state.application = application;
    DispatchObject* control = new_control(state);
    ClassFactory factory{*application};

    DWORD factory_cookie = 0, application_cookie = 0, control_cookie = 0;
    HRESULT result = CoRegisterClassObject(server_class, &factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                                           &factory_cookie);
    // Weakly, as Word registers itself: the table's entry then holds no
    // connection of its own, and the application's external connections are
    // exactly its callers'.
    if (SUCCEEDED(result))
        result = RegisterActiveObject(application, server_class, ACTIVEOBJECT_WEAK, &application_cookie);
    if (SUCCEEDED(result))
        result = RegisterActiveObject(control, control_class, ACTIVEOBJECT_STRONG, &control_cookie);
    if (FAILED(result)) {
        std::fwprintf(stderr, L"standin_word: registration failed, %08lx\n", static_cast<unsigned long>(result));
        return 1;
    }
    state.own_application_connections = application->connections();
    state.revoke_registrations = [&] {
        RevokeActiveObject(control_cookie, nullptr);
        RevokeActiveObject(application_cookie, nullptr);
        CoRevokeClassObject(factory_cookie);
    };

    SetTimer(nullptr, 0, 1000, nullptr);
    bool dropped = false;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == nullptr && message.message == kQuitMessage) break;
        if (message.hwnd == nullptr && message.message == kDropMessage) {
            dropped = true;
            break;
        }
        if (message.hwnd == nullptr && message.message == WM_TIMER &&
            GetTickCount64() - state.last_call_tick > static_cast<ULONGLONG>(state.idle_limit_seconds) * 1000)
            break;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }

    RevokeActiveObject(control_cookie, nullptr);
    RevokeActiveObject(application_cookie, nullptr);
    CoRevokeClassObject(factory_cookie);
    if (dropped) drop_connections(state);
    CoDisconnectObject(control, 0);
    CoDisconnectObject(application, 0);
    control->Release();
    application->Release();
    return 0;
}

}  // namespace

}  // namespace standin_server

int main()
{
    const auto options = standin_server::parse(standin_server::arguments_of(GetCommandLineW()));

    if (options.register_broken_word) return standin_server::register_broken_word() ? 0 : 1;
    if (options.unregister_only) {
        standin_server::unregister_server();
        return 0;
    }
    if (options.register_only && !options.wps_prog_id.empty())
        return standin_server::register_wps_server(options.wps_prog_id, options.per_user, options.recorded) ? 0 : 1;
    if (options.register_only) return standin_server::register_server(options.recorded) ? 0 : 1;

    if (FAILED(CoInitialize(nullptr))) return 1;
    const int exit_code = standin_server::serve(options);
    CoUninitialize();
    return exit_code;
}
