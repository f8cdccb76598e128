#include "tests/windows/com/standin_word.h"

#include <oleauto.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "word/com/dispatch.h"
#include "platform/win/text.h"

namespace com_tests {

using Microsoft::WRL::ComPtr;
using word::com::Dispatch;
using word::com::Variant;

namespace {

// The control is no Word: a session of its own.
word::com::ComSession control_session;

Dispatch control_object(IDispatch* control)
{
    return Dispatch{control, control_session, "StandinControl"};
}

// The build gives the server's path as the build machine sees it; Wine sees
// the root of that file system as Z:.
std::wstring server_executable()
{
    std::wstring path = platform::win::to_utf16(TIDYSET_STANDIN_WORD_EXE);
    if (path.starts_with(L"/")) {
        for (auto& character : path)
            if (character == L'/') character = L'\\';
        path = L"Z:" + path;
    }
    return path;
}

std::wstring command_line(const std::vector<std::string>& options)
{
    std::wstring command = L"\"" + server_executable() + L"\"";
    for (const auto& option : options) command += L" \"" + platform::win::to_utf16(option) + L"\"";
    return command;
}

// Runs the server executable; with wait, until it ends.
HANDLE launch(const std::vector<std::string>& options)
{
    std::wstring command = command_line(options);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        throw std::runtime_error("the stand-in Word server could not be started");
    CloseHandle(process.hThread);
    return process.hProcess;
}

void run_to_end(const std::vector<std::string>& options)
{
    const HANDLE process = launch(options);
    WaitForSingleObject(process, 30000);
    DWORD exit_code = 1;
    GetExitCodeProcess(process, &exit_code);
    CloseHandle(process);
    if (exit_code != 0) throw std::runtime_error("the stand-in Word server failed to (un)register");
}

ComPtr<IDispatch> find_control(Office office)
{
    ComPtr<IUnknown> object;
    const CLSID& control_class = office == Office::wps ? standin_server::kWpsControlClass : standin_server::kControlClass;
    if (FAILED(GetActiveObject(control_class, nullptr, object.GetAddressOf())) || !object) return nullptr;
    ComPtr<IDispatch> control;
    object.As(&control);
    return control;
}

std::int32_t read_number(IDispatch* control, const char* member)
{
    return control_object(control).get_int32(member);
}

}  // namespace

std::string write_document(const std::string& name, const std::string& utf8)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + platform::win::to_utf16(name);
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file) throw std::runtime_error("cannot write the test document");
    std::fwrite(utf8.data(), 1, utf8.size(), file);
    std::fclose(file);
    return platform::win::to_utf8(path);
}

StandinWord StandinWord::start(const std::vector<std::string>& options, Office office)
{
    auto arguments = options;
    if (office == Office::wps) arguments.insert(arguments.end(), {"--prog-id", "KWPS.Application"});
    const HANDLE process = launch(arguments);
    CloseHandle(process);
    for (int tries = 0; tries < 300; ++tries) {
        if (auto control = find_control(office)) return StandinWord(std::move(control), office);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    throw std::runtime_error("the stand-in Word server did not register");
}

StandinWord StandinWord::running(Office office)
{
    auto control = find_control(office);
    if (!control) throw std::runtime_error("no stand-in Word server runs");
    return StandinWord(std::move(control), office);
}

bool StandinWord::is_running(Office office)
{
    return find_control(office) != nullptr;
}

void StandinWord::quit_all()
{
    for (const Office office : {Office::word, Office::wps})
        while (is_running(office)) running(office).quit();
}

void StandinWord::register_server(const std::vector<std::string>& options)
{
    auto arguments = options;
    arguments.insert(arguments.begin(), "/regserver");
    run_to_end(arguments);
}

void StandinWord::register_wps_server(const std::string& prog_id, bool per_user,
                                      const std::vector<std::string>& options)
{
    auto arguments = options;
    arguments.insert(arguments.begin(), {"/regserver", "--prog-id", prog_id});
    if (per_user) arguments.push_back("--per-user");
    run_to_end(arguments);
}

void StandinWord::unregister_server()
{
    run_to_end({"/unregserver"});
}

StandinWord::~StandinWord()
{
    if (!control_) return;
    try {
        quit();
    } catch (...) {
    }
}

std::string StandinWord::state_json()
{
    return control_object(control_.Get()).get_text("State");
}

std::string StandinWord::render()
{
    return control_object(control_.Get()).get_text("Render");
}

std::int32_t StandinWord::round_trips() { return read_number(control_.Get(), "RoundTrips"); }
std::int32_t StandinWord::releases() { return read_number(control_.Get(), "Releases"); }
std::int32_t StandinWord::member_calls() { return read_number(control_.Get(), "MemberCalls"); }
std::int32_t StandinWord::name_lookups() { return read_number(control_.Get(), "NameLookups"); }
std::int32_t StandinWord::references() { return read_number(control_.Get(), "References"); }
std::int32_t StandinWord::objects_alive() { return read_number(control_.Get(), "ObjectsAlive"); }
std::int32_t StandinWord::model_calls() { return read_number(control_.Get(), "ModelCalls"); }

std::int32_t StandinWord::calls_of(const std::string& member)
{
    Variant result = control_object(control_.Get()).call("CallsOf", member);
    return result.get().lVal;
}

void StandinWord::reset_counts()
{
    control_object(control_.Get()).call("ResetCounts");
}

void StandinWord::fail_call(std::int32_t k, const std::string& description, HRESULT result,
                            standin_server::FaultKind kind, const std::string& source, const std::string& help_file,
                            std::int32_t help_context)
{
    control_object(control_.Get())
        .call("FailCall", k, description, static_cast<std::int32_t>(result), static_cast<std::int32_t>(kind), source,
              help_file, help_context);
}

void StandinWord::busy_for(std::int32_t milliseconds, HRESULT rejection)
{
    control_object(control_.Get()).call("BusyFor", milliseconds, static_cast<std::int32_t>(rejection));
}

void StandinWord::busy_calls(std::int32_t k, HRESULT rejection)
{
    control_object(control_.Get()).call("BusyCalls", k, static_cast<std::int32_t>(rejection));
}

std::int32_t StandinWord::rejections() { return read_number(control_.Get(), "Rejections"); }
bool StandinWord::screen_updating() { return read_number(control_.Get(), "ScreenUpdating") != 0; }
bool StandinWord::undo_record_open() { return read_number(control_.Get(), "UndoRecordOpen") != 0; }
std::string StandinWord::undo_steps() { return control_object(control_.Get()).get_text("UndoSteps"); }

bool StandinWord::undo()
{
    const CLSID& server = office_ == Office::wps ? standin_server::kStandinWpsClass
                                                 : standin_server::kWordApplicationClass;
    ComPtr<IUnknown> found;
    ComPtr<IDispatch> application;
    if (FAILED(GetActiveObject(server, nullptr, found.GetAddressOf())) || FAILED(found.As(&application)))
        throw std::runtime_error("the stand-in's application is not running");
    Dispatch document{Dispatch{application, control_session, "StandinApplication"}.get_object("ActiveDocument"),
                      control_session, "StandinDocument"};
    return document.get_int32("Undo") != 0;
}

void StandinWord::open_text(const std::string& path)
{
    control_object(control_.Get()).call("OpenText", path);
}

void StandinWord::open_listed_text(const std::string& path)
{
    control_object(control_.Get()).call("OpenListText", path);
}

void StandinWord::close_documents()
{
    control_object(control_.Get()).call("CloseDocuments");
}

void StandinWord::drop()
{
    control_object(control_.Get()).call("Drop");
    control_.Reset();
    wait_until_gone();
}

void StandinWord::quit()
{
    control_object(control_.Get()).call("Quit");
    control_.Reset();
    wait_until_gone();
}

void StandinWord::wait_until_gone()
{
    for (int tries = 0; tries < 200 && is_running(); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

}  // namespace com_tests
