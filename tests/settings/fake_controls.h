// The dialog's controls with their built-in values, and a font combo that
// offers only the fonts "installed" here.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "settings/dialog_settings.h"
#include "settings/ini_content.h"

namespace settings_test {

class FakeControls : public settings::SettingsControls {
public:
    std::map<typeset::Edit, std::string> edits{
        {typeset::Edit::ymszLeft, "2.5"},         {typeset::Edit::ymszRight, "2.5"},
        {typeset::Edit::ymszTop, "2.5"},          {typeset::Edit::ymszBottom, "2.5"},
        {typeset::Edit::zwLine, "25"},            {typeset::Edit::zwDuanQianDuanHou, "0"},
        {typeset::Edit::btDuanQianDuanHou, "0.5"},
    };
    std::map<typeset::SizeCombo, std::string> sizes{
        {typeset::SizeCombo::zwFontSize, "四号(14)"},
        {typeset::SizeCombo::btFontSize, "小二(18)"},
    };
    std::map<typeset::FontCombo, std::string> fonts{
        {typeset::FontCombo::zwFontName, "宋体"},
        {typeset::FontCombo::btFontName, "宋体"},
    };
    std::map<typeset::CheckBox, bool> boxes{
        {typeset::CheckBox::wbkh, true},
        {typeset::CheckBox::tshr, true},
        {typeset::CheckBox::zhyh, true},
        {typeset::CheckBox::DuanQian, true},
    };
    std::vector<std::string> installed_fonts{"宋体", "黑体", "Arial"};
    int values_set = 0;

    std::string edit_text(typeset::Edit edit) override { return edits.at(edit); }
    void set_edit_text(typeset::Edit edit, const std::string& text) override
    {
        edits.at(edit) = text;
        ++values_set;
    }
    std::string size_text(typeset::SizeCombo combo) override { return sizes.at(combo); }
    void set_size_text(typeset::SizeCombo combo, const std::string& text) override
    {
        sizes.at(combo) = text;
        ++values_set;
    }
    std::string font_name(typeset::FontCombo combo) override { return fonts.at(combo); }
    void set_font_name(typeset::FontCombo combo, const std::string& name) override
    {
        fonts.at(combo).clear();
        for (const std::string& font : installed_fonts) {
            if (settings::equal_ignoring_case(font, name)) {
                fonts.at(combo) = font;
                break;
            }
        }
        ++values_set;
    }
    bool checked(typeset::CheckBox box) override { return boxes.at(box); }
    void set_checked(typeset::CheckBox box, bool value) override
    {
        boxes.at(box) = value;
        ++values_set;
    }
};

}  // namespace settings_test
