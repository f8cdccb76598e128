// Attaching to Microsoft Word over COM.
#pragma once

#include <chrono>
#include <memory>

#include "word/object_model.h"

namespace word::com {

// In this order: the running Word, a running WPS Writer (WPS Office's word
// processor, whose object model answers to Word's member names), a newly
// started Word, a newly started WPS Writer. Needs COM initialised on the
// calling thread. Raises EOleSysError when neither can be started (Word's
// failure when no WPS is installed either) and EIntfCastError when the
// Word found does not offer Word's application interface.
std::unique_ptr<word::Application> attach_to_word();

// The same, with a busy Word given the time asked for instead of
// kBusyWordWindow.
std::unique_ptr<word::Application> attach_with_busy_window(std::chrono::milliseconds busy_window);

}  // namespace word::com
