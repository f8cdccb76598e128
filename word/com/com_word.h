// Attaching to Microsoft Word over COM.
#pragma once

#include <memory>

#include "word/object_model.h"

namespace word::com {

// The running Word, or else a newly started one. Needs COM initialised on
// the calling thread. Raises EOleSysError when Word cannot be started and
// EIntfCastError when the object found is not Word's application.
std::unique_ptr<word::Application> attach_to_word();

}  // namespace word::com
