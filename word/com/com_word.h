// Attaching to Microsoft Word over COM.
#pragma once

#include <chrono>
#include <memory>

#include "word/object_model.h"

namespace word::com {

// In this order: the running Word, a running WPS Writer (WPS Office's word
// processor, whose object model answers to Word's member names), a newly
// started Word, a newly started WPS Writer. Needs COM initialised on the
// calling thread. A Word whose server does not start is passed over for
// WPS; WPS is found by its names, machine-wide or for the user alone, and
// a server registered for the user alone is started here when COM does
// not. Raises EOleSysError when none can be started, naming each program
// tried and why on a line of its own, and EIntfCastError when the Word
// found does not offer Word's application interface.
std::unique_ptr<word::Application> attach_to_word();

// The same, with a busy Word given the time asked for instead of
// kBusyWordWindow.
std::unique_ptr<word::Application> attach_with_busy_window(std::chrono::milliseconds busy_window);

}  // namespace word::com
