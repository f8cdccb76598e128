#include "word/com/session.h"

#include <utility>

namespace word::com {

MemberIds& ComSession::member_ids(std::string_view interface_name)
{
    if (const auto known = ids_.find(interface_name); known != ids_.end()) return known->second;
    return ids_.emplace(std::string(interface_name), MemberIds{}).first->second;
}

std::shared_ptr<ComSession> attach_session(Server server, std::chrono::milliseconds busy_window)
{
    BusyWordFilter* const filter = BusyWordFilter::of_this_thread();
    if (filter && filter->session() && IsEqualCLSID(filter->session()->server().class_id, server.class_id)) {
        filter->session()->busy().restart(busy_window);
        return filter->session();
    }
    auto session = std::make_shared<ComSession>(std::move(server), busy_window);
    if (filter) filter->keep(session);
    return session;
}

}  // namespace word::com
