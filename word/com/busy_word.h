// A Word that is busy (just started, a dialog open, saving) rejects calls
// instead of answering them. Such a call is retried for up to one window of
// time, by COM through the message filter where COM calls it, and by the
// call itself where it does not (Wine); both count against the same window,
// so together they never wait longer than it.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <chrono>

namespace word::com {

inline constexpr std::chrono::milliseconds kBusyWordWindow{30000};

// For tests: a window other than kBusyWordWindow.
void set_busy_window(std::chrono::milliseconds window);

// A rejection of a busy server, as COM reports it to the caller.
bool is_busy_rejection(HRESULT result);

// The time left to retry a rejected call; the window opens at the first
// rejection and closes when a call is answered or Word is attached afresh.
// Zero or less: give up.
std::chrono::milliseconds busy_time_left();
void busy_call_answered();
void restart_busy_window();

// Waits a little (at most the given time), repainting this thread's windows.
void wait_while_busy(std::chrono::milliseconds time);

// Makes the call until it is not rejected as busy or the window is spent.
template <class Call>
HRESULT retry_while_busy(Call call)
{
    for (;;) {
        const HRESULT result = call();
        if (!is_busy_rejection(result)) {
            busy_call_answered();
            return result;
        }
        const auto left = busy_time_left();
        if (left <= std::chrono::milliseconds::zero()) return result;
        wait_while_busy(left);
    }
}

// The thread's COM message filter for the life of the object: rejected
// calls are retried within the window, and windows are repainted while a
// call waits.
class BusyWordFilter : public IMessageFilter {
public:
    BusyWordFilter();
    BusyWordFilter(const BusyWordFilter&) = delete;
    BusyWordFilter& operator=(const BusyWordFilter&) = delete;
    virtual ~BusyWordFilter();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    // Lives on the stack of the thread it serves.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD call_type, HTASK caller, DWORD tick_count,
                                               LPINTERFACEINFO interface_info) override;
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK callee, DWORD tick_count, DWORD reject_type) override;
    DWORD STDMETHODCALLTYPE MessagePending(HTASK callee, DWORD tick_count, DWORD pending_type) override;

    bool registered() const { return registered_; }

private:
    IMessageFilter* previous_ = nullptr;
    bool registered_ = false;
};

}  // namespace word::com
