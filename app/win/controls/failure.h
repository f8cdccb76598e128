// No exception may unwind into Windows: one that escapes a message handler
// ends the handling of that message and goes to the handler the program
// installs at start (the error box).
#pragma once

#include <windows.h>

#include <exception>
#include <functional>

namespace app::win {

// Until one is installed, failures are dropped.
void set_failure_handler(std::function<void(std::exception_ptr)> handler);

// Hands the failure to the installed handler; a failure of the handler
// itself is dropped.
void report_failure(std::exception_ptr failure) noexcept;

// Runs a message handler; after an exception, answers `result_after_error`.
template <class Handler>
LRESULT guard_message(Handler&& handler, LRESULT result_after_error = 0) noexcept
{
    try {
        return handler();
    } catch (...) {
        report_failure(std::current_exception());
        return result_after_error;
    }
}

}  // namespace app::win
