// What the attached server lacks of Word's object model, and what it calls
// itself; both learned once per session.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

#include "word/com/session.h"
#include "word/object_model.h"

namespace word::com {

// Looks each name up on an object of its type, reached from the
// application by reads alone (Content, PageSetup, Sections.Item(1), ...).
// What was learned stays in the session: names known already cost nothing.
std::vector<MemberName> missing_members(IDispatch* application, ComSession& session,
                                        const std::vector<MemberName>& members);

// "Word" or "WPS 文字" by Application.Name, read once per session; by the
// class that answered when the server has no name to give.
std::string program_name(IDispatch* application, ComSession& session);

}  // namespace word::com
