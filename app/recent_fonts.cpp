#include "app/recent_fonts.h"

#include <algorithm>
#include <iterator>
#include <utility>

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

int choose_font(RecentFonts& recent, std::vector<std::string>& entries, int selected)
{
    if (selected < 0 || selected >= static_cast<int>(entries.size())) return selected;
    const auto recent_count = static_cast<std::size_t>(std::min<int>(recent.count(), static_cast<int>(entries.size())));
    const std::span<const std::string> recent_texts{entries.data(), recent_count};
    const RecentFontStep step = recent.list_closed(selected, entries[static_cast<std::size_t>(selected)], recent_texts);
    switch (step.kind) {
    case RecentFontStep::Kind::nothing:
        return selected;
    case RecentFontStep::Kind::move_to_top: {
        const auto from = entries.begin() + step.from;
        std::rotate(entries.begin(), from, std::next(from));
        return 0;
    }
    case RecentFontStep::Kind::copy_to_top: {
        std::string copy = entries[static_cast<std::size_t>(step.from)];
        entries.insert(entries.begin(), std::move(copy));
        return 0;
    }
    }
    return selected;
}

}  // namespace app
