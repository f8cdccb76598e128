// What the attached server can do of what a run asks of it. WPS Writer
// follows Word's object model but lacks some of its members; a run learns
// which before it changes anything, leaves out the steps that need them
// (or does the nearest thing), and says so once in the completion message.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "word/object_model.h"

namespace typeset {

// The steps a run can do without. Each names in the completion message
// what was left out, and some have a stand-in the run uses instead.
enum class Step {
    window, user_control, screen_updating, undo_record, text_retrieval, section_breaks, tables, document_grid,
    character_indents, far_east_font, list_headings, page_numbers, plain_numbers, plain_colour,
    plain_underline, plain_highlight, red_mark, rules, tab_stops, attachment_pages, imprint_at_foot
};

// A member a run uses: required when it belongs to no step.
struct MemberUse {
    word::MemberName name;
    std::optional<Step> step;
};
using MemberTable = std::vector<MemberUse>;

inline MemberUse needed(word::ObjectType object, const char* member)
{
    return {{object, member}, std::nullopt};
}
inline MemberUse for_step(word::ObjectType object, const char* member, Step step)
{
    return {{object, member}, step};
}

// The members of both tables, in order.
MemberTable joined(MemberTable first, const MemberTable& second);

class ServerSupport {
public:
    // A server that has everything, Word.
    ServerSupport() = default;
    // Asks the server which of the table's members it lacks, and its name.
    ServerSupport(word::Application& application, const MemberTable& members);

    // "Word" or "WPS 文字".
    const std::string& program() const { return program_; }
    // The required members the server lacks, "Document.Paragraphs": the run
    // cannot be done right without them.
    const std::vector<word::MemberName>& required_missing() const { return required_missing_; }
    // "当前的文字处理程序（WPS 文字）不支持 Document.Paragraphs，无法排版。"
    std::string unsupported_message() const;

    // The step is left out: the server lacks one of its members, or refused
    // a value in it.
    bool lacks(Step step) const;
    void leave_out(Step step);

    // Lines of the completion message: what was left out, what was done
    // instead; none when nothing was.
    std::vector<std::string> notes() const;

private:
    std::string program_ = "Word";
    std::vector<word::MemberName> required_missing_;
    std::vector<Step> left_out_;
};

}  // namespace typeset
