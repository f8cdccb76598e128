#include "tests/standin_server/registration.h"

#include <windows.h>
#include <oleauto.h>
#include <wrl/client.h>

#include "tests/standin_server/standin_ids.h"

namespace standin_server {

namespace {

constexpr const wchar_t* kClassKey = L"CLSID\\{000209FF-0000-0000-C000-000000000046}";
constexpr const wchar_t* kProgIdKey = L"Word.Application";
constexpr const wchar_t* kInterfaceKey = L"Interface\\{00020970-0000-0000-C000-000000000046}";
// COM marshals an interface across processes only with a type library (or
// a proxy DLL). Word's is not ours to have: a library of our own declares
// _Application as a dispinterface, which COM marshals as IDispatch.
constexpr GUID kTypeLibrary = {0x6d7a1c2e, 0x5b0f, 0x4c55, {0x9a, 0x3e, 0x21, 0x84, 0x7f, 0x60, 0x0b, 0xd3}};
constexpr const wchar_t* kTypeLibraryKey = L"{6D7A1C2E-5B0F-4C55-9A3E-21847F600BD3}";
constexpr const wchar_t* kDispatchProxy = L"{00020420-0000-0000-C000-000000000046}";
#ifdef _WIN64
constexpr SYSKIND kSystem = SYS_WIN64;
#else
constexpr SYSKIND kSystem = SYS_WIN32;
#endif

// Machine-wide registrations go to HKEY_CLASSES_ROOT, a user's own to
// HKEY_CURRENT_USER\Software\Classes.
struct Classes {
    HKEY root;
    std::wstring prefix;
};
const Classes kMachine{HKEY_CLASSES_ROOT, L""};
const Classes kUser{HKEY_CURRENT_USER, L"Software\\Classes\\"};

bool set_value(const Classes& classes, const std::wstring& key, const wchar_t* name, const std::wstring& value)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExW(classes.root, (classes.prefix + key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const bool written =
        RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return written;
}

// The options a server started by COM gets sit beside its class, not in
// its command: Wine's COM reads no command longer than MAX_PATH, and a
// document's path alone may be long.
constexpr const wchar_t* kOptionsValue = L"StandinOptions";

void delete_tree(const Classes& classes, const std::wstring& key)
{
    RegDeleteTreeW(classes.root, (classes.prefix + key).c_str());
}

std::wstring executable_path()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The server's command and the options it is to be started with.
bool set_server(const Classes& classes, const std::wstring& class_key, const wchar_t* kind,
                const std::wstring& options)
{
    return set_value(classes, class_key, kOptionsValue, options) &&
           set_value(classes, class_key + L"\\LocalServer32", nullptr,
                     L"\"" + executable_path() + L"\" --recorded " + kind);
}

std::wstring type_library_path()
{
    std::wstring path = executable_path();
    path.resize(path.find_last_of(L"\\/") + 1);
    return path + L"standin_word_application.tlb";
}

bool write_type_library(const std::wstring& path)
{
    using Microsoft::WRL::ComPtr;
    ComPtr<ITypeLib> standard_library;
    ComPtr<ITypeInfo> dispatch;
    if (FAILED(LoadRegTypeLib(IID_StdOle, STDOLE2_MAJORVERNUM, STDOLE2_MINORVERNUM, STDOLE2_LCID,
                              standard_library.GetAddressOf())) ||
        FAILED(standard_library->GetTypeInfoOfGuid(IID_IDispatch, dispatch.GetAddressOf())))
        return false;

    ComPtr<ICreateTypeLib2> library;
    if (FAILED(CreateTypeLib2(kSystem, path.c_str(), library.GetAddressOf()))) return false;
    library->SetGuid(kTypeLibrary);
    library->SetName(const_cast<LPOLESTR>(L"TidysetStandinWord"));
    library->SetVersion(1, 0);
    library->SetLcid(LOCALE_NEUTRAL);

    ComPtr<ICreateTypeInfo> application;
    if (FAILED(library->CreateTypeInfo(const_cast<LPOLESTR>(L"_Application"), TKIND_DISPATCH,
                                       application.GetAddressOf())))
        return false;
    HREFTYPE dispatch_reference = 0;
    application->SetGuid(kApplicationInterface);
    application->SetTypeFlags(TYPEFLAG_FDISPATCHABLE);
    if (FAILED(application->AddRefTypeInfo(dispatch.Get(), &dispatch_reference)) ||
        FAILED(application->AddImplType(0, dispatch_reference)) || FAILED(application->LayOut()))
        return false;
    return SUCCEEDED(library->SaveAllChanges());
}

}  // namespace

bool register_server(const std::wstring& options)
{
    const std::wstring class_key = kClassKey;
    const std::wstring interface_key = kInterfaceKey;
    const std::wstring library_path = type_library_path();
    const std::wstring library_key = std::wstring(L"TypeLib\\") + kTypeLibraryKey + L"\\1.0";
    const wchar_t* platform = kSystem == SYS_WIN64 ? L"\\0\\win64" : L"\\0\\win32";
    return write_type_library(library_path) &&
           set_value(kMachine, library_key, nullptr, L"TidysetStandinWord") &&
           set_value(kMachine, library_key + platform, nullptr, library_path) &&
           set_value(kMachine, library_key + L"\\FLAGS", nullptr, L"0") &&
           set_value(kMachine, class_key, nullptr, L"Tidyset stand-in Word") &&
           set_server(kMachine, class_key, L"word", options) &&
           set_value(kMachine, class_key + L"\\ProgID", nullptr, kProgIdKey) &&
           set_value(kMachine, std::wstring(kProgIdKey) + L"\\CLSID", nullptr, L"{000209FF-0000-0000-C000-000000000046}") &&
           set_value(kMachine, interface_key, nullptr, L"_Application") &&
           set_value(kMachine, interface_key + L"\\ProxyStubClsid32", nullptr, kDispatchProxy) &&
           set_value(kMachine, interface_key + L"\\TypeLib", nullptr, kTypeLibraryKey) &&
           set_value(kMachine, interface_key + L"\\TypeLib", L"Version", L"1.0");
}

bool register_broken_word()
{
    const std::wstring class_key = kClassKey;
    return set_value(kMachine, class_key, nullptr, L"Microsoft Word Application") &&
           set_value(kMachine, class_key + L"\\LocalServer32", nullptr,
                     L"C:\\Program Files\\Microsoft Office\\Office16\\WINWORD.EXE /Automation") &&
           set_value(kMachine, class_key + L"\\ProgID", nullptr, kProgIdKey) &&
           set_value(kMachine, std::wstring(kProgIdKey) + L"\\CLSID", nullptr, L"{000209FF-0000-0000-C000-000000000046}");
}

bool register_wps_server(const std::wstring& prog_id, bool per_user, const std::wstring& options)
{
    const Classes& classes = per_user ? kUser : kMachine;
    const std::wstring class_key = std::wstring(L"CLSID\\") + kStandinWpsClassText;
    return set_value(classes, class_key, nullptr, L"Tidyset stand-in WPS Writer") &&
           set_server(classes, class_key, L"wps", options) &&
           set_value(classes, class_key + L"\\ProgID", nullptr, prog_id) &&
           set_value(classes, prog_id + L"\\CLSID", nullptr, kStandinWpsClassText);
}

std::wstring recorded_options(bool wps)
{
    const std::wstring class_key = wps ? std::wstring(L"CLSID\\") + kStandinWpsClassText : kClassKey;
    for (const Classes* classes : {&kUser, &kMachine}) {
        wchar_t options[4096];
        DWORD size = sizeof options;
        if (RegGetValueW(classes->root, (classes->prefix + class_key).c_str(), kOptionsValue, RRF_RT_REG_SZ, nullptr,
                         options, &size) == ERROR_SUCCESS)
            return options;
    }
    return L"";
}

void unregister_server()
{
    delete_tree(kMachine, kClassKey);
    delete_tree(kMachine, kProgIdKey);
    delete_tree(kMachine, kInterfaceKey);
    delete_tree(kMachine, std::wstring(L"TypeLib\\") + kTypeLibraryKey);
    for (const Classes* classes : {&kMachine, &kUser}) {
        delete_tree(*classes, std::wstring(L"CLSID\\") + kStandinWpsClassText);
        for (const wchar_t* prog_id : kWpsProgIds) delete_tree(*classes, prog_id);
    }
}

}  // namespace standin_server
