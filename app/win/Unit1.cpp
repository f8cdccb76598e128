#include "app/win/Unit1.h"

#include <array>
#include <memory>
#include <stdexcept>
#include <utility>

#include "app/error_text.h"
#include "app/win/controls/failure.h"
#include "app/win/controls/font_families.h"
#include "app/win/controls/message_reflection.h"
#include "app/win/controls/self_painting.h"
#include "app/win/error_box.h"
#include "app/win/message_box.h"
#include "platform/win/text.h"
#include "settings/win/code_page.h"
#include "settings/win/file_system.h"
#include "typeset/official_run.h"
#include "typeset/run.h"

namespace app::win {

namespace {

constexpr const wchar_t* kFormClass = L"TForm1";
constexpr const wchar_t* kCaption = L"Tidyset V090630";
constexpr int kClientWidth = 581;
constexpr int kClientHeight = 394;
constexpr int kTabHeight = 22;

constexpr const wchar_t* kCredits =
    L"感谢各位同事在试用中提出的宝贵意见和建议。\n"
    L"排版后文档不会自动保存，请核对格式后再保存。\n"
    L"如有问题或建议，请与本单位信息化工作人员联系。";

// The frame around the pages; the pages' controls have ids in their rows.
enum FrameId : int {
    kPageControlId = 100,
    kPageId,
    kOfficialPageId,
    kStatusBarId,
    kProgressId,
};

constexpr auto kRows = std::to_array<ControlRow<TForm1>>({
    {&TForm1::RzButton2, "RzButton2", "", {16, 24, 249, 81}, L"自动排版", 105},
    {&TForm1::RzGroupBox1, "RzGroupBox1", "", {296, 24, 265, 81}, L"页面设置", 106},
    {&TForm1::ymszLeft, "ymszLeft", "RzGroupBox1", {80, 24, 49, 20}, nullptr, 110},
    {&TForm1::ymszRight, "ymszRight", "RzGroupBox1", {176, 24, 49, 20}, nullptr, 111},
    {&TForm1::ymszTop, "ymszTop", "RzGroupBox1", {80, 48, 49, 20}, nullptr, 112},
    {&TForm1::ymszBottom, "ymszBottom", "RzGroupBox1", {176, 48, 49, 20}, nullptr, 113},
    {&TForm1::RzLabel1, "RzLabel1", "RzGroupBox1", {40, 31, 36, 12}, L"左边距", kNoId},
    {&TForm1::RzLabel2, "RzLabel2", "RzGroupBox1", {40, 56, 36, 12}, L"上边距", kNoId},
    {&TForm1::RzLabel3, "RzLabel3", "RzGroupBox1", {136, 32, 36, 12}, L"右边距", kNoId},
    {&TForm1::RzLabel4, "RzLabel4", "RzGroupBox1", {136, 56, 36, 12}, L"下边距", kNoId},

    {&TForm1::RzGroupBox2, "RzGroupBox2", "", {296, 120, 265, 97}, L"正文", 107},
    {&TForm1::zwLine, "zwLine", "RzGroupBox2", {66, 19, 49, 20}, nullptr, 114},
    {&TForm1::zwDuanQianDuanHou, "zwDuanQianDuanHou", "RzGroupBox2", {198, 19, 49, 20}, nullptr, 115},
    {&TForm1::zwFontName, "zwFontName", "RzGroupBox2", {72, 51, 81, 22}, nullptr, 116},
    {&TForm1::zwFontSize, "zwFontSize", "RzGroupBox2", {152, 53, 97, 20}, nullptr, 117},
    {&TForm1::RzLabel5, "RzLabel5", "RzGroupBox2", {16, 27, 48, 12}, L"固定行距", kNoId},
    {&TForm1::RzLabel6, "RzLabel6", "RzGroupBox2", {146, 27, 48, 12}, L"段前段后", kNoId},
    {&TForm1::RzLabel7, "RzLabel7", "RzGroupBox2", {16, 59, 48, 12}, L"字体字号", kNoId},

    {&TForm1::RzGroupBox3, "RzGroupBox3", "", {16, 120, 249, 97}, L"标题行", 108},
    {&TForm1::btDuanQianDuanHou, "btDuanQianDuanHou", "RzGroupBox3", {72, 19, 49, 20}, nullptr, 118},
    {&TForm1::btFontSize, "btFontSize", "RzGroupBox3", {160, 53, 81, 20}, nullptr, 119},
    {&TForm1::btFontName, "btFontName", "RzGroupBox3", {72, 51, 89, 22}, nullptr, 120},
    {&TForm1::RzLabel8, "RzLabel8", "RzGroupBox3", {16, 27, 48, 12}, L"段前段后", kNoId},
    {&TForm1::RzLabel10, "RzLabel10", "RzGroupBox3", {16, 59, 48, 12}, L"字体字号", kNoId},

    {&TForm1::RzGroupBox4, "RzGroupBox4", "", {16, 224, 545, 41}, L"文章尾部", 109},
    {&TForm1::wbkh, "wbkh", "RzGroupBox4", {16, 16, 91, 15}, L"去除尾部空行", 121},
    {&TForm1::tshr, "tshr", "RzGroupBox4", {112, 16, 163, 15}, L"添加审核人、起草人、日期", 122},
    {&TForm1::zhyh, "zhyh", "RzGroupBox4", {280, 16, 127, 15}, L"设置最后两行右对齐", 123},
    {&TForm1::DuanQian, "DuanQian", "RzGroupBox4", {408, 16, 115, 15}, L"段前缩进两个空格", 124},

    {&TForm1::RzTrackBar1, "RzTrackBar1", "", {232, 312, 336, 33}, nullptr, 125},
    {&TForm1::RzLabel11, "RzLabel11", "", {16, 272, 412, 39}, kCredits, kNoId, LabelFont::credits},
});
static_assert(rows_fit_values<TForm1>(kRows, dialog::Page::TabSheet1));

}  // namespace

TForm1::TForm1(Setup setup)
    : scaling_(Scaling::system()),
      fonts_(scaling_),
      WordServers_(std::move(setup.connect)),
      RzRegIniFile1(std::make_unique<settings::Win32FileSystem>(), std::make_unique<settings::Win32AnsiCodePage>())
{
    RzRegIniFile1.set_path(setup.settings_path);
    create_window(setup.owner);
    create_controls();
    // A failure while loading is shown; the dialog is created all the same.
    guard_message([this] {
        FormCreate();
        return LRESULT{0};
    });
}

TForm1::~TForm1() = default;

void TForm1::create_window(HWND owner)
{
    register_class(kFormClass);
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    const DWORD extended_style = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT |
                                 (opacity_.available() ? WS_EX_LAYERED : 0);
    RECT frame{0, 0, scaling_(kClientWidth), scaling_(kClientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, extended_style);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    create(extended_style, kFormClass, kCaption, style, RECT{left, top, left + width, top + height}, owner, nullptr);
    opacity_.start(handle(), 255);
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.window.get()), FALSE);
}

void TForm1::create_controls()
{
    const Scaling& s = scaling_;

    // Siblings are created in tab order: the z-order is the tab order.
    RzPageControl1.create_page_control(handle(), s.rect(0, 0, 581, 375), kPageControlId, fonts_.window.get(),
                                       s(kTabHeight));
    names_.add("RzPageControl1", RzPageControl1.handle());
    Panel& TabSheet1 = RzPageControl1.add_page(L"普通报告", kPageId);
    names_.add("TabSheet1", TabSheet1.handle());
    Panel& TabSheet2 = RzPageControl1.add_page(L"党政公文", kOfficialPageId);
    names_.add("TabSheet2", TabSheet2.handle());
    RzPageControl1.on_page_change([this](int) { page_shown(); });

    RzStatusBar1.create_panel(handle(), s.rect(0, 375, 581, 19), L"", kStatusBarId);
    names_.add("RzStatusBar1", RzStatusBar1.handle());
    RzProgressStatus1.create_progress_bar(RzStatusBar1.handle(), s.rect(0, 0, 581, 19), kProgressId);
    names_.add("RzProgressStatus1", RzProgressStatus1.handle());

    const dialog::FontInstalled installed = [this](std::string_view font) { return font_installed(std::string(font)); };
    build_page<TForm1>(*this, kRows, {TabSheet1.handle(), s, fonts_, names_, installed});
    RzButton2.on_click([this] { typeset_clicked(&TForm1::RzButton2Click); });
    RzTrackBar1.on_change([this](int) { RzTrackBar1Change(); });

    Official.create({TabSheet2.handle(), s, fonts_, [this] { typeset_clicked(&TForm1::RzButton3Click); }, names_,
                     installed});
}

HWND TForm1::control(std::string_view control_name) const { return names_.find(control_name); }

void TForm1::FormCreate() { settings::load_settings(RzRegIniFile1, *this); }

void TForm1::FormClose() { settings::save_settings(RzRegIniFile1, *this); }

void TForm1::RzButton2Click() { typeset::typeset_active_document(*this, WordServers_, platform_); }

void TForm1::RzButton3Click() { typeset::typeset_official_document(*this, WordServers_, platform_); }

void TForm1::typeset_clicked(void (TForm1::*run)())
{
    running_ = true;
    guard_message([this, run] {
        try {
            (this->*run)();
        } catch (...) {
            drop_input_of_the_run();
            throw;
        }
        return LRESULT{0};
    });
    running_ = false;
    if (close_requested_) {
        close_requested_ = false;
        PostMessageW(handle(), WM_CLOSE, 0, 0);
    }
}

void TForm1::drop_input_of_the_run()
{
    MSG input;
    while (PeekMessageW(&input, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT)) {
        const bool alt_f4 = input.message == WM_SYSKEYDOWN && input.wParam == VK_F4;
        const bool close_box = (input.message == WM_NCLBUTTONDOWN || input.message == WM_NCLBUTTONUP) &&
                               input.wParam == HTCLOSE && input.hwnd == handle();
        if (alt_f4 || close_box) close_requested_ = true;
    }
}

bool TForm1::settings_saved_or_given_up()
{
    try {
        FormClose();
        return true;
    } catch (...) {
        const std::string message = exception_message(std::current_exception());
        return ask_in_error_box(message, app::save_failure_question(), MB_YESNO | MB_DEFBUTTON2) == IDYES;
    }
}

void TForm1::RzTrackBar1Change() { opacity_.set_alpha(handle(), static_cast<BYTE>(RzTrackBar1.position())); }

template <class Control>
Control& TForm1::value_control(dialog::Control which)
{
    Control* control = find_control<Control, TForm1>(*this, kRows, dialog::name_of(which));
    if (!control) control = Official.value_control<Control>(which);
    if (!control) throw std::logic_error("no control for " + std::string(dialog::name_of(which)));
    return *control;
}

std::string TForm1::edit_text(typeset::Edit which) { return value_control<FlatEdit>(which).text(); }
void TForm1::set_edit_text(typeset::Edit which, const std::string& text)
{
    value_control<FlatEdit>(which).set_text(text);
}
std::string TForm1::size_value(typeset::SizeCombo which) { return value_control<SizeComboBox>(which).value(); }
std::string TForm1::size_text(typeset::SizeCombo which) { return value_control<SizeComboBox>(which).text(); }
void TForm1::set_size_text(typeset::SizeCombo which, const std::string& text)
{
    value_control<SizeComboBox>(which).set_text(text);
}
std::string TForm1::font_name(typeset::FontCombo which) { return value_control<FontComboBox>(which).font_name(); }
void TForm1::set_font_name(typeset::FontCombo which, const std::string& name)
{
    const dialog::FontChain* chain = dialog::chain_of(which);
    if (!chain) {
        value_control<FontComboBox>(which).set_font_name(name);
        return;
    }
    // A saved font missing here is stood in for as the built-in one is.
    const dialog::FontInstalled installed = [this](std::string_view font) { return font_installed(std::string(font)); };
    value_control<FontComboBox>(which).show_font_name(dialog::font_to_show(*chain, name, installed));
    Official.show_substitute(which);
}

bool TForm1::checked(typeset::CheckBox which) { return value_control<FlatCheckBox>(which).checked(); }
void TForm1::set_checked(typeset::CheckBox which, bool value) { value_control<FlatCheckBox>(which).set_checked(value); }
void TForm1::set_button_enabled(bool enabled)
{
    // Both pages' buttons: one run at a time.
    RzButton2.set_enabled(enabled);
    Official.RzButton3.set_enabled(enabled);
}
void TForm1::set_progress(std::int16_t percent) { RzProgressStatus1.set_percent(percent); }

bool TForm1::font_installed(const std::string& name)
{
    const std::wstring wanted = to_utf16(name);
    for (const FontFamily& family : screen_font_families()) {
        if (same_text_ignoring_case(family.name, wanted)) return true;
    }
    return false;
}

dialog::Page TForm1::active_page() { return static_cast<dialog::Page>(RzPageControl1.active_page()); }

void TForm1::set_active_page(dialog::Page page) { RzPageControl1.show_page(static_cast<int>(page)); }

bool TForm1::page_key(const MSG& message)
{
    if (message.hwnd != handle() && !IsChild(handle(), message.hwnd)) return false;
    return RzPageControl1.page_key(message);
}

HWND TForm1::typeset_button()
{
    return RzPageControl1.active_page() == 0 ? RzButton2.handle() : Official.RzButton3.handle();
}

void TForm1::page_shown()
{
    const HWND focus = GetFocus();
    if (focus && IsChild(handle(), focus) && !IsWindowVisible(focus)) SetFocus(typeset_button());
}

void TForm1::show_message(const std::string& text, const std::string& caption, typeset::Icon icon)
{
    if (running_) drop_input_of_the_run();
    const UINT icon_style = icon == typeset::Icon::error ? MB_ICONERROR : MB_ICONINFORMATION;
    show_application_modal_box(GetWindow(handle(), GW_OWNER), to_utf16(text), to_utf16(caption), MB_OK | icon_style);
}

LRESULT TForm1::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    LRESULT result = 0;
    if (reflect_to_control(message, wparam, lparam, result)) return result;
    if (answer_page_background(handle(), message, wparam, result)) return result;

    switch (message) {
    case WM_CLOSE:
        // Held until the run and its message are over: the run's handler
        // still uses the dialog.
        if (running_) {
            close_requested_ = true;
            return 0;
        }
        if (settings_saved_or_given_up()) DestroyWindow(handle());
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_COMMAND:
        // IDOK and IDCANCEL from Enter and Escape: the dialog has no default
        // button and does not close on Escape.
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wparam) == WA_INACTIVE) {
            focus_before_deactivation_ = GetFocus();
        } else if (focus_before_deactivation_ && IsChild(handle(), focus_before_deactivation_) &&
                   IsWindowVisible(focus_before_deactivation_)) {
            SetFocus(focus_before_deactivation_);
            return 0;
        } else {
            SetFocus(typeset_button());
            return 0;
        }
        break;
    default:
        break;
    }
    return default_message(message, wparam, lparam);
}

}  // namespace app::win
