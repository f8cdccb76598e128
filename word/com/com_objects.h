// Word's object model over IDispatch: every member of word/object_model.h is
// one late-bound call on the Word object it wraps.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include <memory>

#include "word/com/session.h"
#include "word/object_model.h"

namespace word::com {

// Takes a reference to Word's _Application; the wrapper releases it when
// destroyed and never asks Word to quit. Every object reached from it
// keeps the session.
std::unique_ptr<Application> application_over(Microsoft::WRL::ComPtr<IDispatch> application,
                                              std::shared_ptr<ComSession> session);

}  // namespace word::com
