// The stand-in Word server as the tests see it: started, found, steered and
// ended through its control object.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/standin_server/standin_ids.h"

namespace com_tests {

// A UTF-8 text file in the temporary folder, one paragraph a line; returns
// its Windows path.
std::string write_document(const std::string& name, const std::string& utf8);

// Word, or the stand-in playing WPS Writer ("KWPS.Application").
enum class Office { word, wps };

class StandinWord {
public:
    // Starts a server with these options and waits until it has registered.
    static StandinWord start(const std::vector<std::string>& options, Office office = Office::word);
    // The server that runs now (one COM started, say).
    static StandinWord running(Office office = Office::word);
    static bool is_running(Office office = Office::word);
    // Ends every stand-in, Word and WPS.
    static void quit_all();

    // Registration as Word's local server, with the options COM starts it with.
    static void register_server(const std::vector<std::string>& options);
    // Registration as WPS Writer under that name, for all users or the
    // current one only.
    static void register_wps_server(const std::string& prog_id, bool per_user,
                                    const std::vector<std::string>& options);
    // Removes every registration, Word's and WPS's.
    static void unregister_server();

    StandinWord(StandinWord&&) noexcept = default;
    StandinWord& operator=(StandinWord&&) noexcept = default;
    // Ends the server, if it still runs.
    ~StandinWord();

    std::string state_json();
    // The active document as text and formats, for people.
    std::string render();
    std::int32_t round_trips();
    std::int32_t releases();
    std::int32_t member_calls();
    std::int32_t name_lookups();
    std::int32_t calls_of(const std::string& member);
    void reset_counts();
    // References to Word's objects that callers hold, and Word's objects
    // (other than the application) still alive.
    std::int32_t references();
    std::int32_t objects_alive();
    std::int32_t model_calls();

    // The k-th member call from now (1 = the next) fails.
    void fail_call(std::int32_t k, const std::string& description, HRESULT result,
                   standin_server::FaultKind kind = standin_server::FaultKind::dispatch_exception,
                   const std::string& source = "Microsoft Word", const std::string& help_file = "",
                   std::int32_t help_context = 0);
    // A busy Word: rejects every call for that long, or the next k calls.
    void busy_for(std::int32_t milliseconds, HRESULT rejection = RPC_E_CALL_REJECTED);
    void busy_calls(std::int32_t k, HRESULT rejection = RPC_E_CALL_REJECTED);
    std::int32_t rejections();
    bool screen_updating();
    bool undo_record_open();
    // The active document's undo steps, by name, one a line.
    std::string undo_steps();
    // One Document.Undo on the active document, as Ctrl+Z in Word.
    bool undo();

    void open_text(const std::string& path);
    // Lines "[[一、]]text" are list items, as standin::load_listed_text reads them.
    void open_listed_text(const std::string& path);
    void close_documents();
    // Cuts every caller off and ends, as a Word that was closed.
    void drop();
    void quit();

private:
    StandinWord(Microsoft::WRL::ComPtr<IDispatch> control, Office office)
        : control_(std::move(control)), office_(office) {}
    void wait_until_gone();

    Microsoft::WRL::ComPtr<IDispatch> control_;
    Office office_;
};

}  // namespace com_tests
