#include "word/com/busy_word.h"

#include <algorithm>
#include <optional>

namespace word::com {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Between two tries: short enough not to keep the user waiting, long
// enough not to flood a busy Word.
constexpr milliseconds kRetryPause{100};

// The GUI thread alone calls Word.
milliseconds window = kBusyWordWindow;
std::optional<Clock::time_point> first_rejection;

}  // namespace

void set_busy_window(milliseconds length)
{
    window = length;
}

bool is_busy_rejection(HRESULT result)
{
    return result == RPC_E_CALL_REJECTED || result == RPC_E_SERVERCALL_RETRYLATER;
}

milliseconds busy_time_left()
{
    const auto now = Clock::now();
    if (!first_rejection) first_rejection = now;
    return window - std::chrono::duration_cast<milliseconds>(now - *first_rejection);
}

void busy_call_answered()
{
    first_rejection.reset();
}

void restart_busy_window()
{
    first_rejection.reset();
}

void wait_while_busy(milliseconds time)
{
    const auto until = Clock::now() + std::min(time, kRetryPause);
    for (auto now = Clock::now(); now < until; now = Clock::now()) {
        const auto left = std::chrono::duration_cast<milliseconds>(until - now);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()) + 1, QS_PAINT);
        // Paint only: any other message could start something new while a
        // run is half done.
        MSG message;
        for (int painted = 0; painted < 64 && PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE);
             ++painted)
            DispatchMessageW(&message);
    }
}

BusyWordFilter::BusyWordFilter()
{
    registered_ = SUCCEEDED(CoRegisterMessageFilter(this, &previous_));
}

BusyWordFilter::~BusyWordFilter()
{
    if (!registered_) return;
    CoRegisterMessageFilter(previous_, nullptr);
    if (previous_) previous_->Release();
}

HRESULT BusyWordFilter::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IMessageFilter)) {
        *object = static_cast<IMessageFilter*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

DWORD BusyWordFilter::HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO)
{
    return SERVERCALL_ISHANDLED;
}

// Returns the pause before COM tries again; -1 cancels the call, which
// then fails with RPC_E_CALL_REJECTED.
DWORD BusyWordFilter::RetryRejectedCall(HTASK, DWORD, DWORD reject_type)
{
    if (reject_type != SERVERCALL_RETRYLATER && reject_type != SERVERCALL_REJECTED) return static_cast<DWORD>(-1);
    // Below 100 COM retries at once; the last bit of the window is let go.
    if (busy_time_left() < kRetryPause) return static_cast<DWORD>(-1);
    return static_cast<DWORD>(kRetryPause.count());
}

// Paint and other system messages are handled while a call waits; input
// waits in the queue, so that nothing new starts in the middle of a run.
DWORD BusyWordFilter::MessagePending(HTASK, DWORD, DWORD)
{
    return PENDINGMSG_WAITDEFPROCESS;
}

}  // namespace word::com
