// Word's object kinds, served over IDispatch with Word's member names, each
// member one call on the in-memory stand-in's object model.
#pragma once

#include <memory>

#include "tests/standin_server/dispatch_object.h"
#include "word/object_model.h"

namespace standin_server {

// The application object: the one in the running object table, and the one
// the class factory hands out.
DispatchObject* new_application(ServerState& state, std::unique_ptr<word::Application> application);

}  // namespace standin_server
