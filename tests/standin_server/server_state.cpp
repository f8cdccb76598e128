#include "tests/standin_server/server_state.h"

#include "tests/standin_server/dispatch_object.h"

namespace standin_server {

void ServerState::reset_counts()
{
    name_lookups = 0;
    member_calls = 0;
    releases = 0;
    calls_by_member.clear();
    call_names.clear();
    rejections = 0;
}

bool ServerState::rejects_as_busy()
{
    if (busy_calls > 0) {
        --busy_calls;
    } else if (GetTickCount64() >= busy_until_tick) {
        return false;
    }
    ++rejections;
    return true;
}

std::optional<PendingFault> ServerState::count_call(const std::string& member)
{
    ++member_calls;
    ++calls_by_member[member];
    call_names.push_back(member);
    if (!fault || --fault->remaining > 0) return std::nullopt;
    auto due = std::move(fault);
    fault.reset();
    return due;
}

long ServerState::outstanding_references() const
{
    long references = 0;
    for (const DispatchObject* object : objects) {
        if (!object->is_word_object()) continue;
        references += object == application ? object->connections() - own_application_connections
                                            : object->references();
    }
    return references;
}

std::size_t ServerState::word_objects_alive() const
{
    std::size_t alive = 0;
    for (const DispatchObject* object : objects)
        if (object->is_word_object() && object != application) ++alive;
    return alive;
}

}  // namespace standin_server
