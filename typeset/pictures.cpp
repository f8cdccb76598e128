#include "typeset/pictures.h"

#include "typeset/stages.h"

namespace typeset {

void keep_pictures_whole(RunContext& run, const DocumentMap& map, Notes& notes)
{
    for (std::size_t i = 0; i < map.paragraphs.size(); ++i) {
        const MappedParagraph& paragraph = map.paragraphs[i];
        if (!paragraph.has_picture || paragraph.in_table) continue;
        const auto found = find_paragraph(run, map, i);
        if (!found) {
            note_skipped(notes, i);
            continue;
        }
        const auto format = run.document().range(found->range.start, found->range.end)->paragraph_format();
        format->set_line_spacing_rule(word::LineSpacingRule::single);
        // Word keeps the indent in points or in characters, whichever was
        // set last.
        format->set_first_line_indent(0);
        run.optional(Step::character_indents, [&] { format->set_character_unit_first_line_indent(0); });
    }
}

}  // namespace typeset
