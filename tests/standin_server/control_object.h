// The tests' handle on the server: read the document state and the counts,
// inject failures, swap the documents, and end the server.
#pragma once

#include "tests/standin_server/dispatch_object.h"

namespace standin_server {

// Thread messages the control posts to the server's loop: the call that asks
// for them returns before the server acts on them.
inline constexpr UINT kDropMessage = WM_APP + 1;
inline constexpr UINT kQuitMessage = WM_APP + 2;

DispatchObject* new_control(ServerState& state);

// Replaces the open documents with one read from a UTF-8 text file, one
// paragraph a line. Returns false when the file cannot be read.
// With list markup, as standin::load_listed_text reads it.
bool open_text_file(ServerState& state, const std::wstring& path, bool list_markup = false);

}  // namespace standin_server
