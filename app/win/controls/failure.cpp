#include "app/win/controls/failure.h"

#include <utility>

namespace app::win {

namespace {

std::function<void(std::exception_ptr)>& failure_handler()
{
    static std::function<void(std::exception_ptr)> handler;
    return handler;
}

}  // namespace

void set_failure_handler(std::function<void(std::exception_ptr)> handler)
{
    failure_handler() = std::move(handler);
}

void report_failure(std::exception_ptr failure) noexcept
{
    try {
        if (failure_handler()) failure_handler()(std::move(failure));
    } catch (...) {
    }
}

}  // namespace app::win
