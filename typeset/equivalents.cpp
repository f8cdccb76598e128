#include "typeset/equivalents.h"

#include "typeset/stages.h"

namespace typeset {

void clear_first_line_indent(RunContext& run, word::ParagraphFormat& format)
{
    format.set_first_line_indent(0);
    run.optional(Step::character_indents, [&] { format.set_character_unit_first_line_indent(0); });
}

void indent_in_characters(RunContext& run, word::ParagraphFormat& format, void (word::ParagraphFormat::*in_characters)(float),
                          void (word::ParagraphFormat::*in_points)(float), float characters, float size)
{
    if (!run.optional(Step::character_indents, [&] { (format.*in_characters)(characters); }))
        (format.*in_points)(characters * size);
}

void set_chinese_font(RunContext& run, word::Font& font, const std::string& name)
{
    if (!run.optional(Step::far_east_font, [&] { font.set_name_far_east(name); })) font.set_name(name);
}

}  // namespace typeset
