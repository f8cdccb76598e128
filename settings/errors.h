// Failures of the settings file. The messages are the ones the user sees in
// the error box, so their wording is fixed.
#pragma once

#include <stdexcept>
#include <string>

namespace settings {

class EFOpenError : public std::runtime_error {
public:
    EFOpenError(const std::string& path, const std::string& system_text)
        : std::runtime_error("Cannot open file \"" + path + "\". " + system_text) {}
};

class EFCreateError : public std::runtime_error {
public:
    EFCreateError(const std::string& path, const std::string& system_text)
        : std::runtime_error("Cannot create file \"" + path + "\". " + system_text) {}
};

class EWriteError : public std::runtime_error {
public:
    EWriteError() : std::runtime_error("Stream write error") {}
};

}  // namespace settings
