// One attached Word (or WPS Writer): which server answered, the DISPIDs it
// gave, and the window in which its busy rejections are retried. Word's
// objects keep the session they came through.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "word/com/busy_word.h"
#include "word/program_name.h"

namespace word::com {

enum class Product { word, wps };

// The class that answered the attach, and the name it was found by.
struct Server {
    CLSID class_id = CLSID_NULL;
    std::wstring prog_id;
    Product product = Product::word;
};

// The DISPIDs of one interface type, by member name: a server gives every
// object of a type the same ones. DISPID_UNKNOWN: the server lacks it.
using MemberIds = std::map<std::string, DISPID, std::less<>>;

class ComSession {
public:
    explicit ComSession(Server server = {}, std::chrono::milliseconds busy_window = kBusyWordWindow)
        : server_(std::move(server)),
          program_name_(server_.product == Product::wps ? kWpsProgram : kWordProgram),
          busy_(busy_window) {}
    ComSession(const ComSession&) = delete;
    ComSession& operator=(const ComSession&) = delete;

    const Server& server() const { return server_; }
    MemberIds& member_ids(std::string_view interface_name);
    BusyWindow& busy() { return busy_; }

    // "Word" or "WPS 文字": by the class that answered until the server's
    // own Application.Name has been read.
    const std::string& program_name() const { return program_name_; }
    bool program_name_read() const { return program_name_read_; }
    void set_program_name(std::string name)
    {
        program_name_ = std::move(name);
        program_name_read_ = true;
    }

private:
    Server server_;
    std::string program_name_;
    bool program_name_read_ = false;
    std::map<std::string, MemberIds, std::less<>> ids_;
    BusyWindow busy_;
};

// The session of an attach to the server. The calling thread's
// BusyWordFilter keeps the last one and hands it out again while the same
// server answers, so that names are looked up once per server; another
// server (WPS instead of Word) numbers the same members otherwise and gets
// a session of its own.
std::shared_ptr<ComSession> attach_session(Server server, std::chrono::milliseconds busy_window);

}  // namespace word::com
