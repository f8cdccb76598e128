// Word's object model over the stand-in. Every member call is recorded on the
// model, then acted on; Word's failures arrive as word::EOleException.
#pragma once

#include <memory>

#include "tests/standin/model.h"
#include "word/object_model.h"

namespace standin {

// The objects handed out share the model and stay usable while it changes.
std::unique_ptr<word::Application> connect(std::shared_ptr<WordModel> model);

}  // namespace standin
