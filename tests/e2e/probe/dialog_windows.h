// What a person sees of a running Tidyset: its main window, the controls
// in it (found by their captions and places, as a person finds them) and
// the message boxes it shows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e_probe {

struct SeenWindow {
    std::string name;  // the dialog's name for it, such as "ymszLeft"
    HWND window = nullptr;
    RECT bounds{};     // screen coordinates
    bool enabled = false;
    bool visible = false;
    std::string text;  // UTF-8
};

struct SeenForm {
    HWND window = nullptr;
    DWORD process = 0;
    RECT bounds{};
    bool enabled = false;
    int alpha = 255;  // 255 when the window is not layered
    std::string caption;
};

struct SeenButton {
    std::string text;
    RECT bounds{};
};

struct SeenBox {
    HWND window = nullptr;
    RECT bounds{};
    std::string caption;
    std::string text;
    RECT icon{};  // empty when the box shows no icon
    std::vector<SeenButton> buttons;
};

// The main window, captioned "Tidyset V090630"; window is null without one.
SeenForm find_form();

// Every control of the form under its name, in a fixed order.
std::vector<SeenWindow> find_controls(HWND form);

// Message boxes on screen: those of the form's process, or any when there
// is no form.
std::vector<SeenBox> find_boxes(DWORD process);

// The visible top-level windows of a process (any process with 0), from the
// top of the z-order down.
struct SeenTopLevel {
    HWND window = nullptr;
    std::string caption;
    bool topmost = false;
};
std::vector<SeenTopLevel> find_top_levels(DWORD process);

// The open drop-down list of a combo box in that process, or null.
HWND find_open_list(DWORD process);

// A window's text through WM_GETTEXT, which crosses processes.
std::string text_of(HWND window);

}  // namespace e2e_probe
