// The recently used fonts at the top of a font list. Each time the list
// closes on an entry other than the first, that font goes to the top: a
// recent copy already there is moved, otherwise a copy is inserted, and the
// entry at the top becomes the selection. The font keeps its own place in
// the sorted part as well. Nothing of this is saved.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace app {

struct RecentFontStep {
    enum class Kind {
        nothing,      // the first entry, or no entry, was chosen
        move_to_top,  // the recent copy at `from` moves to position 0
        copy_to_top,  // a copy of the entry at `from` is inserted at position 0
    };
    Kind kind = Kind::nothing;
    int from = -1;
};

// The list the rule edits: the font combo's entries, each font by its text.
class FontList {
public:
    virtual int font_count() const = 0;
    virtual std::string font_at(int index) const = 0;
    // The entry at `from` goes to position 0.
    virtual void move_to_top(int from) = 0;
    // A copy of the entry at `from` is inserted at position 0.
    virtual void copy_to_top(int from) = 0;

protected:
    ~FontList() = default;
};

class RecentFonts {
public:
    // How many entries at the top of the list are recent copies.
    int count() const { return count_; }

    // The list closed on `selected`, whose text is `selected_text`;
    // `recent_texts` are the texts of the count() entries at the top. The
    // caller edits its list as the step says and selects position 0 unless
    // the step is `nothing`.
    RecentFontStep list_closed(int selected, std::string_view selected_text,
                               std::span<const std::string> recent_texts);

    // A rebuilt list starts without recent entries.
    void forget() { count_ = 0; }

private:
    int count_ = 0;
};

// The list closed on `selected`: the rule applied to the list; returns the
// selection after it (0, or `selected` when nothing changed).
int choose_font(RecentFonts& recent, FontList& list, int selected);

}  // namespace app
