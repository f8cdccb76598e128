// The server's classes in the registry of the (test) Windows it runs on.
#pragma once

#include <string>

namespace standin_server {

// Registers this executable as Word.Application's local server, started
// with the given options. Returns false when the registry refuses.
bool register_server(const std::wstring& options);
void unregister_server();

}  // namespace standin_server
