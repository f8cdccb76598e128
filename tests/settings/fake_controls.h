// The dialog's controls with their built-in values, and a font combo that
// offers only the fonts "installed" here.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/ascii_case.h"
#include "settings/dialog_settings.h"
#include "tests/support/built_in_values.h"

namespace settings_test {

class FakeControls : public settings::SettingsControls, public testing_support::BuiltInValues {
public:
    std::vector<std::string> installed_fonts{"宋体", "黑体", "Arial", "方正小标宋简体", "仿宋_GB2312", "楷体_GB2312",
                                             "Times New Roman"};
    int values_set = 0;
    dialog::Page page = dialog::Page::TabSheet1;

    std::string edit_text(dialog::Edit edit) override { return edits.at(edit); }
    void set_edit_text(dialog::Edit edit, const std::string& text) override
    {
        edits.at(edit) = text;
        ++values_set;
    }
    std::string size_text(dialog::SizeCombo combo) override { return size_texts.at(combo); }
    void set_size_text(dialog::SizeCombo combo, const std::string& text) override
    {
        size_texts.at(combo) = text;
        ++values_set;
    }
    std::string font_name(dialog::FontCombo combo) override { return fonts.at(combo); }
    void set_font_name(dialog::FontCombo combo, const std::string& name) override
    {
        fonts.at(combo).clear();
        for (const std::string& font : installed_fonts) {
            if (platform::equal_ignoring_ascii_case(font, name)) {
                fonts.at(combo) = font;
                break;
            }
        }
        ++values_set;
    }
    bool checked(dialog::CheckBox box) override { return boxes.at(box); }
    void set_checked(dialog::CheckBox box, bool value) override
    {
        boxes.at(box) = value;
        ++values_set;
    }
    dialog::Page active_page() override { return page; }
    void set_active_page(dialog::Page active) override { page = active; }
};

}  // namespace settings_test
