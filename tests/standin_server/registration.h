// The server's classes in the registry of the (test) Windows it runs on.
#pragma once

#include <string>

namespace standin_server {

// Registers this executable as Word.Application's local server, started
// with the given options. Returns false when the registry refuses.
bool register_server(const std::wstring& options);
// Registers it as WPS Writer under one of WPS's names, for all users or
// for the current user only.
bool register_wps_server(const std::wstring& prog_id, bool per_user, const std::wstring& options);
// Registers Word.Application with a local server that is not there: Word
// removed, its registration left behind.
bool register_broken_word();
// The options recorded with the registration of the stand-in as Word or
// as WPS (the user's own first).
std::wstring recorded_options(bool wps);
// Removes every registration of the stand-in, as Word and as WPS.
void unregister_server();

}  // namespace standin_server
