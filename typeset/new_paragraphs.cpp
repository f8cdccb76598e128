#include "typeset/new_paragraphs.h"

#include "typeset/stages.h"

namespace typeset {

const MemberTable& new_paragraph_members()
{
    using word::ObjectType;
    static const MemberTable members = {
        for_step(ObjectType::range, "ListFormat", Step::plain_numbers),
        for_step(ObjectType::list_format, "RemoveNumbers", Step::plain_numbers),
        for_step(ObjectType::font, "Color", Step::plain_colour),
        for_step(ObjectType::font, "Underline", Step::plain_underline),
        for_step(ObjectType::range, "HighlightColorIndex", Step::plain_highlight),
    };
    return members;
}

void make_plain(RunContext& run, Span added)
{
    const auto range = run.document().range(added.start, added.end);
    run.optional(Step::plain_numbers, [&] { range->list_format()->remove_numbers(); });
    // One font for both steps, fetched by the first that runs.
    std::unique_ptr<word::Font> font;
    const auto added_font = [&]() -> word::Font& {
        if (!font) font = range->font();
        return *font;
    };
    run.optional(Step::plain_colour, [&] { added_font().set_color(word::Color::automatic); });
    run.optional(Step::plain_underline, [&] { added_font().set_underline(word::Underline::none); });
    run.optional(Step::plain_highlight, [&] { range->set_highlight_color_index(word::HighlightColor::none); });
}

}  // namespace typeset
