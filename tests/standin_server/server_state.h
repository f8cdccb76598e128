// Everything the stand-in server knows: the in-memory Word it serves, what
// its callers did, and what it was told to do to them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tests/standin/model.h"
#include "tests/standin_server/standin_ids.h"

namespace standin_server {

class DispatchObject;

struct PendingFault {
    long remaining;  // member calls until the failing one, which is 1
    FaultKind kind;
    std::string description;
    HRESULT result;
    std::string source;
    std::string help_file;
    DWORD help_context;
};

class ServerState {
public:
    std::shared_ptr<standin::WordModel> model = std::make_shared<standin::WordModel>();
    bool offers_application_interface = true;
    DWORD main_thread = 0;

    // Round trips on Word's objects: name lookups and member calls.
    long name_lookups = 0;
    long member_calls = 0;
    // Word objects whose last reference their callers gave back: each is one
    // more round trip.
    long releases = 0;
    std::map<std::string, long> calls_by_member;  // "Paragraphs.Item"
    void reset_counts();

    // The member calls since the counts were reset, in order.
    std::vector<std::string> call_names;

    // A busy Word rejects calls (name lookups and member calls alike)
    // without acting on them: the next busy_calls ones, and all until
    // busy_until_tick.
    long busy_calls = 0;
    ULONGLONG busy_until_tick = 0;
    HRESULT busy_result = RPC_E_CALL_REJECTED;
    long rejections = 0;
    // Counts the rejection when the call is to be rejected.
    bool rejects_as_busy();

    std::optional<PendingFault> fault;
    // Takes the server out of COM's class table and the running object
    // table; a server that dies without it leaves COM pointing at nothing.
    std::function<void()> revoke_registrations;
    // Counts the call; a fault whose turn has come is returned and cleared.
    std::optional<PendingFault> count_call(const std::string& member);

    // Every object alive, for the reference count and for disconnecting.
    std::set<DispatchObject*> objects;
    DispatchObject* application = nullptr;
    // The application's connections that are the server's own (the running
    // object table's), not its callers'.
    long own_application_connections = 0;
    long outstanding_references() const;
    std::size_t word_objects_alive() const;

    // Seconds without calls after which the server ends by itself, so that a
    // test that died does not leave it running.
    long idle_limit_seconds = 600;
    ULONGLONG last_call_tick = 0;
};

}  // namespace standin_server
