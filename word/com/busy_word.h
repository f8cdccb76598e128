// A Word that is busy (just started, a dialog open, saving) rejects calls
// instead of answering them. Such a call is retried for up to one window of
// time, by COM through the message filter where COM calls it, and by the
// call itself where it does not (Wine); both count against the same window,
// so together they never wait longer than it.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <chrono>
#include <memory>
#include <optional>

namespace word::com {

class ComSession;

inline constexpr std::chrono::milliseconds kBusyWordWindow{30000};

// A rejection of a busy server, as COM reports it to the caller.
bool is_busy_rejection(HRESULT result);

// The time given to a busy Word: the window opens at the first rejection
// and closes when a call is answered or Word is attached afresh.
class BusyWindow {
public:
    explicit BusyWindow(std::chrono::milliseconds length = kBusyWordWindow) : length_(length) {}

    // The time left to retry a rejected call, opening the window if it is
    // closed. Zero or less: give up.
    std::chrono::milliseconds time_left();
    void close() { opened_.reset(); }
    // Closed, and of the given length from now on.
    void restart(std::chrono::milliseconds length);

private:
    std::chrono::milliseconds length_;
    std::optional<std::chrono::steady_clock::time_point> opened_;
};

// Waits a little (at most the given time), repainting this thread's windows.
void wait_while_busy(std::chrono::milliseconds time);

// Makes the call until it is not rejected as busy or the window is spent.
template <class Call>
HRESULT retry_while_busy(BusyWindow& window, Call call)
{
    for (;;) {
        const HRESULT result = call();
        if (!is_busy_rejection(result)) {
            window.close();
            return result;
        }
        const auto left = window.time_left();
        if (left <= std::chrono::milliseconds::zero()) return result;
        wait_while_busy(left);
    }
}

// The thread's COM message filter for the life of the object: rejected
// calls are retried within the window of the session last attached, and
// windows are repainted while a call waits. It keeps that session, so that
// the next attach to the same server takes it up again.
class BusyWordFilter : public IMessageFilter {
public:
    BusyWordFilter();
    BusyWordFilter(const BusyWordFilter&) = delete;
    BusyWordFilter& operator=(const BusyWordFilter&) = delete;
    virtual ~BusyWordFilter();

    // The filter registered on the calling thread, if it is one of these.
    static BusyWordFilter* of_this_thread();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    // Lives on the stack of the thread it serves.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD call_type, HTASK caller, DWORD tick_count,
                                               LPINTERFACEINFO interface_info) override;
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK callee, DWORD tick_count, DWORD reject_type) override;
    DWORD STDMETHODCALLTYPE MessagePending(HTASK callee, DWORD tick_count, DWORD pending_type) override;

    bool registered() const { return registered_; }
    const std::shared_ptr<ComSession>& session() const { return session_; }
    void keep(std::shared_ptr<ComSession> session) { session_ = std::move(session); }

private:
    IMessageFilter* previous_ = nullptr;
    bool registered_ = false;
    std::shared_ptr<ComSession> session_;
    // Before any attach.
    BusyWindow unattached_;
};

}  // namespace word::com
