#include "app/recent_fonts.h"

#include <algorithm>
#include <vector>

namespace app {

RecentFontStep RecentFonts::list_closed(int selected, std::string_view selected_text,
                                        std::span<const std::string> recent_texts)
{
    if (selected <= 0) return {};
    const int looked_at = std::min(count_, static_cast<int>(recent_texts.size()));
    for (int i = 0; i < looked_at; ++i) {
        // Exactly equal: a recent copy is always a copy of an entry's text.
        if (recent_texts[static_cast<std::size_t>(i)] == selected_text)
            return {RecentFontStep::Kind::move_to_top, i};
    }
    ++count_;
    return {RecentFontStep::Kind::copy_to_top, selected};
}

int choose_font(RecentFonts& recent, FontList& list, int selected)
{
    if (selected < 0 || selected >= list.font_count()) return selected;
    std::vector<std::string> recent_texts;
    const int recent_count = std::min(recent.count(), list.font_count());
    for (int i = 0; i < recent_count; ++i) recent_texts.push_back(list.font_at(i));
    const RecentFontStep step = recent.list_closed(selected, list.font_at(selected), recent_texts);
    switch (step.kind) {
    case RecentFontStep::Kind::nothing:
        return selected;
    case RecentFontStep::Kind::move_to_top:
        list.move_to_top(step.from);
        return 0;
    case RecentFontStep::Kind::copy_to_top:
        list.copy_to_top(step.from);
        return 0;
    }
    return selected;
}

}  // namespace app
