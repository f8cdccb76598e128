#include "typeset/new_paragraphs.h"

#include "typeset/stages.h"

namespace typeset {

void make_plain(RunContext& run, Span added)
{
    const auto range = run.document().range(added.start, added.end);
    range->list_format()->remove_numbers();
    const auto font = range->font();
    font->set_color(word::Color::automatic);
    font->set_underline(word::Underline::none);
    range->set_highlight_color_index(word::HighlightColor::none);
}

}  // namespace typeset
