// Windows' enumeration functions call back through their own frames, which
// no exception may cross: a failing callback stops the enumeration instead,
// and the caller rethrows once Windows has returned.
#pragma once

#include <exception>

namespace platform::win {

class CallbackFailure {
public:
    // The body's answer (go on or stop), or "stop" after an exception.
    template <class Body>
    auto run(Body&& body) noexcept -> decltype(body())
    {
        try {
            return body();
        } catch (...) {
            failure_ = std::current_exception();
            return 0;
        }
    }

    bool failed() const { return failure_ != nullptr; }
    void rethrow() const
    {
        if (failure_) std::rethrow_exception(failure_);
    }

private:
    std::exception_ptr failure_;
};

}  // namespace platform::win
