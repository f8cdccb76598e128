#include "typeset/numbers.h"
#include "typeset/stages.h"

namespace typeset {

float RunContext::number(Edit edit)
{
    return parse_float(dialog.edit_text(edit), platform.decimal_separator());
}

float RunContext::size(SizeCombo combo)
{
    return parse_float(dialog.size_value(combo), platform.decimal_separator());
}

float RunContext::centimetres_in_points(Edit edit)
{
    return centimetres_to_points(dialog.edit_text(edit), platform.decimal_separator());
}

}  // namespace typeset
