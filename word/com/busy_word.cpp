#include "word/com/busy_word.h"

#include <algorithm>

#include "word/com/session.h"

namespace word::com {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Between two tries: short enough not to keep the user waiting, long
// enough not to flood a busy Word.
constexpr milliseconds kRetryPause{100};

// Asked of a registered filter to find out whether it is ours.
constexpr IID kBusyWordFilterId = {0x517a7841, 0x75ba, 0x4f48, {0xba, 0x6d, 0x0d, 0x24, 0x6a, 0x77, 0x31, 0xc2}};

}  // namespace

bool is_busy_rejection(HRESULT result)
{
    return result == RPC_E_CALL_REJECTED || result == RPC_E_SERVERCALL_RETRYLATER;
}

milliseconds BusyWindow::time_left()
{
    const auto now = Clock::now();
    if (!opened_) opened_ = now;
    return length_ - std::chrono::duration_cast<milliseconds>(now - *opened_);
}

void BusyWindow::restart(milliseconds length)
{
    length_ = length;
    opened_.reset();
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

BusyWordFilter* BusyWordFilter::of_this_thread()
{
    // COM shows the registered filter only to whoever revokes it: it is put
    // straight back.
    IMessageFilter* current = nullptr;
    if (FAILED(CoRegisterMessageFilter(nullptr, &current)) || !current) return nullptr;
    CoRegisterMessageFilter(current, nullptr);
    BusyWordFilter* ours = nullptr;
    if (FAILED(current->QueryInterface(kBusyWordFilterId, reinterpret_cast<void**>(&ours)))) ours = nullptr;
    current->Release();
    return ours;
}

HRESULT BusyWordFilter::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IMessageFilter)) {
        *object = static_cast<IMessageFilter*>(this);
        return S_OK;
    }
    if (IsEqualIID(iid, kBusyWordFilterId)) {
        *object = this;
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
    BusyWindow& window = session_ ? session_->busy() : unattached_;
    // Below 100 COM retries at once; the last bit of the window is let go.
    if (window.time_left() < kRetryPause) return static_cast<DWORD>(-1);
    return static_cast<DWORD>(kRetryPause.count());
}

// Paint and other system messages are handled while a call waits; input
// waits in the queue, so that nothing new starts in the middle of a run.
DWORD BusyWordFilter::MessagePending(HTASK, DWORD, DWORD)
{
    return PENDINGMSG_WAITDEFPROCESS;
}

}  // namespace word::com
