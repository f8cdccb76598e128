// The values the dialog's controls hold when it is built, for test doubles.
#pragma once

#include <map>
#include <string>

#include "typeset/dialog.h"

namespace testing_support {

struct BuiltInValues {
    std::map<typeset::Edit, std::string> edits{
        {typeset::Edit::ymszLeft, "2.5"},  {typeset::Edit::ymszRight, "2.5"},
        {typeset::Edit::ymszTop, "2.5"},   {typeset::Edit::ymszBottom, "2.5"},
        {typeset::Edit::zwLine, "25"},     {typeset::Edit::zwDuanQianDuanHou, "0"},
        {typeset::Edit::btDuanQianDuanHou, "0.5"},
    };
    std::map<typeset::SizeCombo, std::string> size_texts{
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
};

}  // namespace testing_support
