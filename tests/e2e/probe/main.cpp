// e2e_probe.exe: the eyes of the end-to-end sessions. It reads what a person
// sees of a running Tidyset (window texts, the window's opacity, message
// boxes, colours on screen) and what the stand-in Word holds, and it never
// sends the program any input: clicks and keys come from xdotool.
//
//   e2e_probe.exe serve       commands on stdin, one a line; every answer
//                             ends with a line "%% ok", "%% timeout" or
//                             "%% error TEXT"
//   e2e_probe.exe COMMAND...  one command
//
// Commands: form, controls, control NAME, boxes, colours NAME|L,T,R,B,
// zorder, check NAME, open-list,
// wait-form MS, wait-no-form MS, wait-box MS, wait-no-box MS,
// wait-box-gone HANDLE MS, wait-idle MS,
// standin-wait MS, standin-gone MS, state, render, number MEMBER,
// reset-counts, fail K KIND HRESULT DESCRIPTION, open PATH, close-documents,
// quit, busy-for MS HRESULT, call-at K, office word|wps (which stand-in the
// stand-in commands talk to).
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/probe/dialog_windows.h"
#include "tests/e2e/probe/screen_colours.h"
#include "tests/e2e/probe/standin_control.h"
#include "platform/win/text.h"

namespace e2e_probe {

namespace {

enum class Outcome { ok, timeout };

void out(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

std::string rect_text(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// Line breaks would split an answer line.
std::string one_line(std::string text)
{
    std::string flat;
    for (const char c : text) {
        if (c == '\r') continue;
        if (c == '\n') flat += "\\n";
        else if (c == '\t') flat += "\\t";
        else flat += c;
    }
    return flat;
}

std::string control_line(const SeenWindow& control)
{
    return control.name + "\t" + (control.window ? "found" : "missing") + "\t" +
           (control.enabled ? "enabled" : "disabled") + "\t" + (control.visible ? "visible" : "hidden") + "\t" +
           rect_text(control.bounds) + "\t" + one_line(control.text);
}

std::string colours_line(const Colours& c)
{
    char line[160];
    std::snprintf(line, sizeof line, "pixels=%d white=%.3f red=%.3f blue=%.3f yellow=%.3f other=%.3f", c.pixels,
                  c.white, c.red, c.blue, c.yellow, c.other);
    return line;
}

const char* box_icon(const SeenBox& box)
{
    if (box.icon.right <= box.icon.left) return "none";
    Colours colours;
    if (!colours_in(box.icon, colours)) return "unreadable";
    return icon_kind(colours);
}

std::string box_line(const SeenBox& box)
{
    std::string line = "box";
    const std::string handle = std::to_string(reinterpret_cast<std::uintptr_t>(box.window));
    for (const std::string& field :
         {handle, one_line(box.caption), std::string(box_icon(box)), one_line(box.text), rect_text(box.bounds)})
        line.append("\t").append(field);
    for (const auto& button : box.buttons)
        line.append("\t").append(one_line(button.text)).append("@").append(rect_text(button.bounds));
    return line;
}

std::string form_line(const SeenForm& form)
{
    if (!form.window) return "form\tmissing";
    return "form\tfound\t" + std::string(form.enabled ? "enabled" : "disabled") + "\talpha=" +
           std::to_string(form.alpha) + "\t" + rect_text(form.bounds) + "\tpid=" + std::to_string(form.process) +
           "\t" + one_line(form.caption);
}

// Polls every 20 ms until ready() holds or the time is up.
Outcome wait_for(long milliseconds, const std::function<bool()>& ready)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        if (ready()) return Outcome::ok;
        if (std::chrono::steady_clock::now() >= deadline) return Outcome::timeout;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

StandinControl standin()
{
    auto control = StandinControl::find();
    if (!control) throw std::runtime_error("no stand-in Word runs");
    return std::move(*control);
}

DWORD form_process()
{
    return find_form().process;
}

// A box counts once it shows its buttons and its icon has been painted.
bool box_is_drawn(const SeenBox& box)
{
    if (box.buttons.empty()) return false;
    const std::string icon = box_icon(box);
    return icon != "none" || box.icon.right <= box.icon.left;
}

bool is_idle()
{
    const SeenForm form = find_form();
    if (!form.window || !form.enabled || !find_boxes(form.process).empty()) return false;
    for (const auto& control : find_controls(form.window))
        if (control.name == "RzButton2") return control.enabled;
    return false;
}

void print_boxes()
{
    for (const auto& box : find_boxes(form_process())) out(box_line(box));
}

RECT area_of(const std::string& what)
{
    RECT r{};
    if (std::sscanf(what.c_str(), "%ld,%ld,%ld,%ld", &r.left, &r.top, &r.right, &r.bottom) == 4) return r;
    const SeenForm form = find_form();
    if (!form.window) throw std::runtime_error("no Tidyset window");
    for (const auto& control : find_controls(form.window))
        if (control.name == what) return control.bounds;
    throw std::runtime_error("no control " + what);
}

Outcome run(const std::vector<std::string>& words, const std::string& rest)
{
    const std::string& command = words.at(0);
    auto argument = [&](std::size_t i) -> const std::string& {
        if (i >= words.size()) throw std::runtime_error(command + ": an argument is missing");
        return words[i];
    };
    auto milliseconds = [&] { return std::stol(argument(1)); };

    if (command == "form") {
        out(form_line(find_form()));
    } else if (command == "controls" || command == "control") {
        const SeenForm form = find_form();
        if (!form.window) throw std::runtime_error("no Tidyset window");
        for (const auto& control : find_controls(form.window))
            if (command == "controls" || control.name == argument(1)) out(control_line(control));
    } else if (command == "boxes") {
        print_boxes();
    } else if (command == "zorder") {
        // The program's visible windows, topmost first as Windows stacks them.
        for (const auto& window : find_top_levels(form_process()))
            out("window\t" + one_line(window.caption) + "\t" + (window.topmost ? "topmost" : "normal"));
    } else if (command == "check") {
        // What other programs and accessibility tools read of a check box.
        const SeenForm form = find_form();
        if (!form.window) throw std::runtime_error("no Tidyset window");
        for (const auto& control : find_controls(form.window)) {
            if (control.name != argument(1)) continue;
            const auto type = GetWindowLongPtrW(control.window, GWL_STYLE) & BS_TYPEMASK;
            const bool check_box = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
            DWORD_PTR state = 0;
            SendMessageTimeoutW(control.window, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &state);
            out(control.name + "\t" + (check_box ? "checkbox" : "button") + "\t" +
                (state == BST_CHECKED ? "checked" : "unchecked"));
        }
    } else if (command == "open-list") {
        // The open drop-down list: its inner height, its entries' height,
        // and how many entries that shows.
        const HWND list = find_open_list(form_process());
        if (!list) throw std::runtime_error("no open list");
        RECT inside{};
        GetClientRect(list, &inside);
        DWORD_PTR entry = 0;
        SendMessageTimeoutW(list, LB_GETITEMHEIGHT, 0, 0, SMTO_ABORTIFHUNG, 2000, &entry);
        char line[96];
        std::snprintf(line, sizeof line, "list\theight=%ld\tentry=%lu\tentries=%.2f", inside.bottom - inside.top,
                      static_cast<unsigned long>(entry),
                      entry ? static_cast<double>(inside.bottom - inside.top) / static_cast<double>(entry) : 0.0);
        out(line);
    } else if (command == "colours") {
        Colours colours;
        if (!colours_in(area_of(argument(1)), colours)) throw std::runtime_error("the screen cannot be read");
        out(colours_line(colours));
    } else if (command == "wait-form") {
        const auto outcome = wait_for(milliseconds(), [] { return find_form().window != nullptr; });
        out(form_line(find_form()));
        return outcome;
    } else if (command == "wait-no-form") {
        return wait_for(milliseconds(), [] { return find_form().window == nullptr; });
    } else if (command == "wait-box") {
        const auto outcome = wait_for(milliseconds(), [] {
            const auto boxes = find_boxes(form_process());
            return !boxes.empty() && box_is_drawn(boxes.front());
        });
        print_boxes();
        return outcome;
    } else if (command == "wait-no-box") {
        const auto outcome = wait_for(milliseconds(), [] { return find_boxes(form_process()).empty(); });
        if (outcome == Outcome::timeout) print_boxes();
        return outcome;
    } else if (command == "wait-box-gone") {
        // wait-box-gone HANDLE MS: that box, not just any, has closed.
        const auto box = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::stoull(argument(1))));
        return wait_for(std::stol(argument(2)), [box] { return !IsWindow(box) || !IsWindowVisible(box); });
    } else if (command == "wait-idle") {
        const auto outcome = wait_for(milliseconds(), is_idle);
        if (outcome == Outcome::timeout) {
            out(form_line(find_form()));
            print_boxes();
        }
        return outcome;
    } else if (command == "standin-wait") {
        return wait_for(milliseconds(), [] { return StandinControl::find().has_value(); });
    } else if (command == "standin-gone") {
        return wait_for(milliseconds(), [] { return !StandinControl::find().has_value(); });
    } else if (command == "state") {
        out(standin().state_json());
    } else if (command == "render") {
        std::string text = standin().render();
        if (!text.empty() && text.back() == '\n') text.pop_back();
        out(text);
    } else if (command == "number") {
        out(std::to_string(standin().number(argument(1).c_str())));
    } else if (command == "reset-counts") {
        standin().reset_counts();
    } else if (command == "fail") {
        // fail K KIND HRESULT DESCRIPTION...
        const auto k = static_cast<std::int32_t>(std::stol(argument(1)));
        const auto kind = static_cast<std::int32_t>(std::stol(argument(2)));
        const auto result = static_cast<std::int32_t>(std::stoul(argument(3), nullptr, 0));
        std::istringstream skip(rest);
        std::string ignored;
        for (int i = 0; i < 4; ++i) skip >> ignored;
        std::string description;
        std::getline(skip >> std::ws, description);
        standin().fail_call(k, kind, result, description);
    } else if (command == "open") {
        standin().open_text(rest.substr(rest.find(' ') + 1));
    } else if (command == "close-documents") {
        standin().close_documents();
    } else if (command == "busy-for") {
        standin().busy_for(static_cast<std::int32_t>(std::stol(argument(1))),
                           static_cast<std::int32_t>(std::stoul(argument(2), nullptr, 0)));
    } else if (command == "call-at") {
        out(standin().call_at(static_cast<std::int32_t>(std::stol(argument(1)))));
    } else if (command == "office") {
        StandinControl::watch_wps(argument(1) == "wps");
    } else if (command == "quit") {
        standin().quit();
    } else {
        throw std::runtime_error("unknown command " + command);
    }
    return Outcome::ok;
}

void answer(const std::string& line)
{
    std::istringstream split(line);
    std::vector<std::string> words;
    for (std::string word; split >> word;) words.push_back(word);
    if (words.empty()) return;
    try {
        out(run(words, line) == Outcome::ok ? "%% ok" : "%% timeout");
    } catch (const std::exception& error) {
        out("%% error " + one_line(error.what()));
    }
    std::fflush(stdout);
}

}  // namespace

}  // namespace e2e_probe

int main(int count, char** arguments)
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    if (FAILED(CoInitialize(nullptr))) return 1;
    int exit_code = 0;
    if (count >= 2 && std::string(arguments[1]) == "serve") {
        char buffer[8192];
        while (std::fgets(buffer, sizeof buffer, stdin)) {
            std::string line = buffer;
            while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
            if (line == "exit") break;
            e2e_probe::answer(line);
        }
    } else if (count >= 2) {
        // Windows hands the arguments over in the ANSI code page; the wide
        // command line keeps every character.
        int wide_count = 0;
        wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &wide_count);
        std::string line;
        for (int i = 1; i < wide_count; ++i) {
            if (i > 1) line.push_back(' ');
            line.append(platform::win::to_utf8(wide[i]));
        }
        LocalFree(wide);
        e2e_probe::answer(line);
    } else {
        std::fputs("usage: e2e_probe.exe serve | COMMAND...\n", stderr);
        exit_code = 2;
    }
    CoUninitialize();
    return exit_code;
}
