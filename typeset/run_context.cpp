#include "typeset/numbers.h"
#include "typeset/stages.h"
#include "word/errors.h"

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

bool RunContext::optional(Step step, const std::function<void()>& action)
{
    if (!can(step)) return false;
    try {
        action();
        return true;
    } catch (const word::EOleSysError& error) {
        if (word::is_connection_failure(error.error_code())) throw;
    } catch (const word::EOleError&) {
    }
    support.leave_out(step);
    return false;
}

}  // namespace typeset
