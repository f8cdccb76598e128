// What every typesetting run does around its stages: the button disabled,
// Word attached afresh, the document taken from the user, Word's screen
// updating off and one undo step, the completion message with the elapsed
// time, and on a failure everything given back before the error reaches the
// caller's error box.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "typeset/stages.h"

namespace typeset {

// The stages of one run, in the frame; each line they return follows the
// elapsed time in the completion message.
using RunStages = std::function<std::vector<std::string>(RunContext&)>;

// `members` are what the stages use of Word's object model; the frame adds
// its own and the document map's, and asks the server about them all
// before it changes anything.
void run_in_frame(Dialog& dialog, word::WordServers& word, Platform& platform, const MemberTable& members,
                  const RunStages& stages);

}  // namespace typeset
