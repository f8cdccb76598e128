// The page "党政公文": the official-document run's button and values, laid
// out in the first page's style. Beside each font combo whose font may be
// missing, a note names the font that stands in for it.
#pragma once

#include <functional>
#include <span>

#include "app/win/controls/chained_font_combo.h"
#include "app/win/controls/check_box.h"
#include "app/win/controls/flat_edit.h"
#include "app/win/controls/font_combo.h"
#include "app/win/controls/group_box.h"
#include "app/win/controls/label.h"
#include "app/win/controls/push_button.h"
#include "app/win/controls/size_combo.h"
#include "app/win/controls/text_edit.h"
#include "app/win/fonts.h"
#include "app/win/page_table.h"
#include "app/win/scaling.h"
#include "dialog/font_chains.h"
#include "dialog/values.h"

namespace app::win {

class OfficialPage {
public:
    struct Setup {
        HWND page;
        const Scaling& scaling;
        const DialogFonts& fonts;
        std::function<void()> on_typeset;
        ControlNames& names;
        dialog::FontInstalled installed;
    };

    void create(const Setup& setup);

    // The page's control of a value; null for a value of the other page.
    template <class Control>
    Control* value_control(dialog::Control which)
    {
        return find_control<Control>(*this, rows(), dialog::name_of(which));
    }

    // Shows, beside each chained combo, the font chosen in place of its
    // chain's first font when that one is not installed; nothing otherwise.
    void show_substitutes();
    void show_substitute(dialog::FontCombo which);

    FlatButton RzButton3;
    FlatGroupBox RzGroupBox5, RzGroupBox6, RzGroupBox7, RzGroupBox8, RzGroupBox9;
    Label RzLabel12, RzLabel13, RzLabel14, RzLabel15, RzLabel16, RzLabel17, RzLabel18, RzLabel19, RzLabel20,
        RzLabel21, RzLabel22, RzLabel23, RzLabel24, RzLabel25, RzLabel26, RzLabel27;
    FlatEdit gwTop, gwBottom, gwLeft, gwRight, gwZwLine;
    TextEdit gwFwjg;
    ChainedFontCombo gwBtFontName, gwZwFontName, gwYjFontName, gwEjFontName, gwXwFontName;
    SizeComboBox gwBtFontSize, gwZwFontSize, gwBzFontSize;
    FlatCheckBox gwLk, gwYm, gwKh, gwSjjc;
    // The substitute notes, named after their combos: one per chain but the
    // Western font's, which the completion message names alone.
    Label gwBtFontNote, gwZwFontNote, gwYjFontNote, gwEjFontNote;

private:
    static std::span<const ControlRow<OfficialPage>> rows();
    dialog::FontInstalled installed_;
};

}  // namespace app::win
