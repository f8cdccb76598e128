// A scripted dialog and platform for driving the typesetting run in tests.
#pragma once

#include <chrono>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "app/size_table.h"
#include "tests/support/built_in_values.h"
#include "typeset/dialog.h"
#include "typeset/platform.h"

namespace testing_support {

struct ShownMessage {
    std::string text;
    std::string caption;
    typeset::Icon icon;
};

// Holds the dialog's built-in values; records what the run reads and does.
class FakeDialog : public typeset::Dialog, public BuiltInValues {
public:
    bool button_enabled = true;
    std::vector<bool> button_history;
    std::int16_t progress = 0;
    std::vector<std::int16_t> progress_history;
    std::vector<ShownMessage> messages;
    std::vector<std::string> reads;  // control names, in the order read

    std::string edit_text(typeset::Edit edit) override
    {
        reads.emplace_back(dialog::name_of(edit));
        return edits.at(edit);
    }
    std::string size_value(typeset::SizeCombo combo) override
    {
        reads.emplace_back(dialog::name_of(combo));
        return app::size_value(size_texts.at(combo));
    }
    std::string font_name(typeset::FontCombo combo) override
    {
        reads.emplace_back(dialog::name_of(combo));
        return fonts.at(combo);
    }
    bool checked(typeset::CheckBox box) override
    {
        reads.emplace_back(dialog::name_of(box));
        return boxes.at(box);
    }
    // Every font is installed unless named here.
    std::set<std::string> missing_fonts;
    bool font_installed(const std::string& name) override { return !missing_fonts.contains(name); }
    void set_button_enabled(bool enabled) override
    {
        button_enabled = enabled;
        button_history.push_back(enabled);
    }
    void set_progress(std::int16_t percent) override
    {
        if (percent == progress) return;
        progress = percent;
        progress_history.push_back(percent);
    }
    void show_message(const std::string& text, const std::string& caption, typeset::Icon icon) override
    {
        messages.push_back({text, caption, icon});
    }
};

// A clock that advances by a fixed step at every reading.
class FakePlatform : public typeset::Platform {
public:
    std::string separator = ".";
    typeset::CivilDate date{2027, 1, 5};
    std::chrono::milliseconds step{2531};
    std::chrono::steady_clock::time_point clock{};

    std::string decimal_separator() override { return separator; }
    std::chrono::steady_clock::time_point now() override
    {
        const auto reading = clock;
        clock += step;
        return reading;
    }
    typeset::CivilDate today() override { return date; }
};

}  // namespace testing_support
