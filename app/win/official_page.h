// The page "党政公文": the official-document run's button and values, laid
// out in the first page's style. Beside each font combo whose font may be
// missing, a note names the font that stands in for it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/win/controls/check_box.h"
#include "app/win/controls/flat_edit.h"
#include "app/win/controls/font_combo.h"
#include "app/win/fonts.h"
#include "app/win/controls/group_box.h"
#include "app/win/controls/label.h"
#include "app/win/controls/push_button.h"
#include "app/win/scaling.h"
#include "app/win/controls/size_combo.h"
#include "dialog/font_chains.h"
#include "dialog/values.h"

namespace app::win {

// A font combo that reports the user's choice of another font.
class ChainedFontCombo : public FontComboBox {
public:
    void on_change(std::function<void()> handler) { on_change_ = std::move(handler); }

protected:
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    std::function<void()> on_change_;
};

// An edit that takes text, not numbers: the user's input method stays as
// it is.
class TextEdit : public FlatEdit {
protected:
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
};

class OfficialPage {
public:
    struct Setup {
        HWND page;
        const Scaling& scaling;
        const DialogFonts& fonts;
        std::function<void()> on_typeset;
        // Records a control under its name, for the dialog's list of controls.
        std::function<void(std::string_view, HWND)> name;
        dialog::FontInstalled installed;
    };

    void create(const Setup& setup);

    // The page's controls of each kind; null for a control of another page.
    FlatEdit* edit(dialog::Edit which);
    SizeComboBox* size_combo(dialog::SizeCombo which);
    FontComboBox* font_combo(dialog::FontCombo which);
    FlatCheckBox* check_box(dialog::CheckBox which);

    // Shows, beside each chained combo, the font chosen in place of its
    // chain's first font when that one is not installed; nothing otherwise.
    void show_substitutes();
    void show_substitute(dialog::FontCombo which);

    FlatButton RzButton3;
    FlatGroupBox RzGroupBox5, RzGroupBox6, RzGroupBox7, RzGroupBox8, RzGroupBox9;
    Label RzLabel12, RzLabel13, RzLabel14, RzLabel15, RzLabel16, RzLabel17, RzLabel18, RzLabel19, RzLabel20,
        RzLabel21, RzLabel22, RzLabel23, RzLabel24, RzLabel25, RzLabel26;
    FlatEdit gwTop, gwBottom, gwLeft, gwRight, gwZwLine;
    TextEdit gwFwjg;
    ChainedFontCombo gwBtFontName, gwZwFontName, gwYjFontName, gwEjFontName, gwXwFontName;
    SizeComboBox gwBtFontSize, gwZwFontSize, gwBzFontSize;
    FlatCheckBox gwLk, gwYm, gwKh, gwSjjc;
    // The substitute notes, one per chain but the Western font's, which the
    // completion message names alone.
    Label gwBtFontNote, gwZwFontNote, gwYjFontNote, gwEjFontNote;
    Label RzLabel27;

private:
    ChainedFontCombo& chained(dialog::FontCombo which);
    Label* note_of(dialog::FontCombo which);
    dialog::FontInstalled installed_;
};

}  // namespace app::win
