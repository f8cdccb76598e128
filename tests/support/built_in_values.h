// The values the dialog's controls hold when it is built, for test doubles.
#pragma once

#include <map>
#include <string>
#include <variant>

#include "dialog/values.h"

namespace testing_support {

struct BuiltInValues {
    std::map<dialog::Edit, std::string> edits;
    std::map<dialog::SizeCombo, std::string> size_texts;
    std::map<dialog::FontCombo, std::string> fonts;
    std::map<dialog::CheckBox, bool> boxes;

    BuiltInValues()
    {
        for (const dialog::Value& value : dialog::kValues) {
            const std::string text(value.built_in);
            if (const auto* edit = std::get_if<dialog::Edit>(&value.control)) edits[*edit] = text;
            if (const auto* combo = std::get_if<dialog::SizeCombo>(&value.control)) size_texts[*combo] = text;
            if (const auto* combo = std::get_if<dialog::FontCombo>(&value.control)) fonts[*combo] = text;
            if (const auto* box = std::get_if<dialog::CheckBox>(&value.control)) boxes[*box] = value.built_in == "1";
        }
    }
};

}  // namespace testing_support
