// A real TForm1 on the virtual screen, with the message boxes read instead
// of shown and the settings file in a folder of its own.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/win/Unit1.h"
#include "app/win/application.h"
#include "app/win/message_box.h"

namespace dialog_tests {

// The program's one application object.
app::win::Application& application();

// Handles what is waiting in the thread's queue.
void pump_messages();

// Where the rectangle of a window lies in its parent's client area.
RECT bounds_in_parent(HWND window);

struct SeenBox {
    app::win::MessageBoxRequest request;
    bool dialog_enabled_meanwhile;
    HWND capture_meanwhile;
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Without Word: attaching fails with the connector's exception.
    std::unique_ptr<app::win::TForm1> make_form(word::ApplicationComponent::Connector connect = nullptr);
    // Shown as the program shows it, without activating.
    void show(app::win::TForm1& form);

    std::string settings_path;  // does not exist until a test writes it
    std::wstring settings_folder;
    std::vector<SeenBox> boxes;
    int answer = IDOK;  // what the read boxes answer
    app::win::TForm1* current_form = nullptr;
};

}  // namespace dialog_tests
