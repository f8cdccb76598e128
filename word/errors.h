// Failures of Word and COM calls. The hierarchy follows the automation
// runtime's: an OLE exception is a system error is an OLE error.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace word {

class EOleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EOleSysError : public EOleError {
public:
    EOleSysError(const std::string& message, std::int32_t error_code)
        : EOleError(message), error_code_(error_code) {}
    std::int32_t error_code() const { return error_code_; }

private:
    std::int32_t error_code_;
};

// An error that Word itself reported, with its exception information.
class EOleException : public EOleSysError {
public:
    EOleException(const std::string& message, std::int32_t error_code, std::string source,
                  std::string help_file, std::int32_t help_context)
        : EOleSysError(message, error_code),
          source_(std::move(source)),
          help_file_(std::move(help_file)),
          help_context_(help_context) {}
    const std::string& source() const { return source_; }
    const std::string& help_file() const { return help_file_; }
    std::int32_t help_context() const { return help_context_; }

private:
    std::string source_;
    std::string help_file_;
    std::int32_t help_context_;
};

// A failure of the connection to Word rather than of the call: the RPC
// layer's own codes, and the Windows errors it reports for a server that is
// gone. Such a failure ends a run that could go on without the call.
constexpr bool is_connection_failure(std::int32_t hresult)
{
    const auto facility = (static_cast<std::uint32_t>(hresult) >> 16) & 0x1FFF;
    return facility == 1 /* FACILITY_RPC */ || facility == 7 /* FACILITY_WIN32 */;
}

// The object does not offer the interface asked for.
class EIntfCastError : public std::runtime_error {
public:
    EIntfCastError() : std::runtime_error("Interface not supported") {}
};

}  // namespace word
