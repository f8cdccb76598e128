#include "settings/dialog_settings.h"

namespace settings {

using typeset::CheckBox;
using typeset::Edit;
using typeset::FontCombo;
using typeset::SizeCombo;

void load_settings(IniStore& store, SettingsControls& controls)
{
    controls.set_edit_text(Edit::ymszLeft, store.read_string("ymsz", "left", "2.5"));
    controls.set_edit_text(Edit::ymszRight, store.read_string("ymsz", "right", "2.5"));
    controls.set_edit_text(Edit::ymszTop, store.read_string("ymsz", "top", "2.5"));
    controls.set_edit_text(Edit::ymszBottom, store.read_string("ymsz", "bottom", "2.5"));
    controls.set_edit_text(Edit::btDuanQianDuanHou, store.read_string("bt", "duanqianduanhou", "0.5"));
    controls.set_size_text(SizeCombo::btFontSize, store.read_string("bt", "fontsize", "小二(18)"));
    controls.set_font_name(FontCombo::btFontName, store.read_string("bt", "fontname", "宋体"));
    controls.set_edit_text(Edit::zwLine, store.read_string("zw", "line", "25"));
    controls.set_edit_text(Edit::zwDuanQianDuanHou, store.read_string("zw", "duanqianduanhou", "0"));
    controls.set_font_name(FontCombo::zwFontName, store.read_string("zw", "fontname", "宋体"));
    controls.set_size_text(SizeCombo::zwFontSize, store.read_string("zw", "fontsize", "四号(14)"));
    controls.set_checked(CheckBox::DuanQian, store.read_bool("wb", "duanqian", true));
    controls.set_checked(CheckBox::tshr, store.read_bool("wb", "tshr", true));
    controls.set_checked(CheckBox::wbkh, store.read_bool("wb", "wbkh", true));
    controls.set_checked(CheckBox::zhyh, store.read_bool("wb", "zhyh", true));
}

void save_settings(IniStore& store, SettingsControls& controls)
{
    // The flags come first, so a file written from scratch begins with [wb].
    store.write_bool("wb", "duanqian", controls.checked(CheckBox::DuanQian));
    store.write_bool("wb", "tshr", controls.checked(CheckBox::tshr));
    store.write_bool("wb", "wbkh", controls.checked(CheckBox::wbkh));
    store.write_bool("wb", "zhyh", controls.checked(CheckBox::zhyh));
    store.write_string("ymsz", "left", controls.edit_text(Edit::ymszLeft));
    store.write_string("ymsz", "right", controls.edit_text(Edit::ymszRight));
    store.write_string("ymsz", "top", controls.edit_text(Edit::ymszTop));
    store.write_string("ymsz", "bottom", controls.edit_text(Edit::ymszBottom));
    store.write_string("bt", "duanqianduanhou", controls.edit_text(Edit::btDuanQianDuanHou));
    store.write_string("bt", "fontsize", controls.size_text(SizeCombo::btFontSize));
    store.write_string("bt", "fontname", controls.font_name(FontCombo::btFontName));
    store.write_string("zw", "line", controls.edit_text(Edit::zwLine));
    store.write_string("zw", "duanqianduanhou", controls.edit_text(Edit::zwDuanQianDuanHou));
    store.write_string("zw", "fontname", controls.font_name(FontCombo::zwFontName));
    store.write_string("zw", "fontsize", controls.size_text(SizeCombo::zwFontSize));
    store.update_file();
}

}  // namespace settings
