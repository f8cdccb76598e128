#include "app/win/Unit1.h"

#include <memory>
#include <utility>

#include "app/error_text.h"
#include "app/size_table.h"
#include "app/win/controls/font_families.h"
#include "app/win/controls/message_reflection.h"
#include "app/win/controls/self_painting.h"
#include "app/win/error_box.h"
#include "app/win/message_box.h"
#include "app/win/wide_text.h"
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
constexpr int kFontEntryHeight = 16;

constexpr const wchar_t* kCredits =
    L"感谢各位同事在试用中提出的宝贵意见和建议。\n"
    L"排版后文档不会自动保存，请核对格式后再保存。\n"
    L"如有问题或建议，请与本单位信息化工作人员联系。";

enum ControlId : int {
    kPageControlId = 100,
    kPageId,
    kOfficialPageId,
    kStatusBarId,
    kProgressId,
    kButtonId,
    kGroupBox1Id,
    kGroupBox2Id,
    kGroupBox3Id,
    kGroupBox4Id,
    kLeftId,
    kRightId,
    kTopId,
    kBottomId,
    kBodyLineId,
    kBodySpacingId,
    kBodyFontNameId,
    kBodyFontSizeId,
    kTitleSpacingId,
    kTitleFontSizeId,
    kTitleFontNameId,
    kBlankLinesId,
    kSignOffId,
    kRightAlignId,
    kIndentId,
    kSliderId,
};

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
    const HFONT bold = fonts_.bold.get();
    const HFONT regular = fonts_.regular.get();

    // Siblings are created in tab order: the z-order is the tab order.
    RzPageControl1.create_page_control(handle(), s.rect(0, 0, 581, 375), kPageControlId, fonts_.window.get(),
                                       s(kTabHeight));
    name("RzPageControl1", RzPageControl1.handle());
    Panel& TabSheet1 = RzPageControl1.add_page(L"普通报告", kPageId);
    name("TabSheet1", TabSheet1.handle());
    Panel& TabSheet2 = RzPageControl1.add_page(L"党政公文", kOfficialPageId);
    name("TabSheet2", TabSheet2.handle());
    RzPageControl1.on_page_change([this](int) { page_shown(); });

    RzStatusBar1.create_panel(handle(), s.rect(0, 375, 581, 19), L"", kStatusBarId);
    name("RzStatusBar1", RzStatusBar1.handle());
    RzProgressStatus1.create_progress_bar(RzStatusBar1.handle(), s.rect(0, 0, 581, 19), kProgressId);
    name("RzProgressStatus1", RzProgressStatus1.handle());

    const HWND page = TabSheet1.handle();
    RzButton2.create_push_button(page, s.rect(16, 24, 249, 81), kButtonId, L"自动排版", fonts_.window.get(),
                                 [this] { typeset_clicked(&TForm1::RzButton2Click); });
    name("RzButton2", RzButton2.handle());

    auto group = [&](FlatGroupBox& box, std::string_view box_name, const RECT& bounds, const wchar_t* caption,
                     int id) {
        box.create_panel(page, bounds, caption, id);
        SendMessageW(box.handle(), WM_SETFONT, reinterpret_cast<WPARAM>(bold), FALSE);
        name(box_name, box.handle());
    };
    auto label = [&](Label& text, std::string_view label_name, HWND parent, const RECT& bounds,
                     const wchar_t* caption, HFONT font) {
        text.create_label(parent, bounds, caption, font);
        name(label_name, text.handle());
    };
    // The value controls take their names and built-in values from the
    // dialog's table of values.
    auto edit = [&](FlatEdit& field, dialog::Edit which, HWND parent, const RECT& bounds, int id) {
        field.create_edit(parent, bounds, id, std::string(dialog::built_in(which)), bold);
        name(dialog::name_of(which), field.handle());
    };

    group(RzGroupBox1, "RzGroupBox1", s.rect(296, 24, 265, 81), L"页面设置", kGroupBox1Id);
    const HWND margins = RzGroupBox1.handle();
    edit(ymszLeft, dialog::Edit::ymszLeft, margins, s.rect(80, 24, 49, 20), kLeftId);
    edit(ymszRight, dialog::Edit::ymszRight, margins, s.rect(176, 24, 49, 20), kRightId);
    edit(ymszTop, dialog::Edit::ymszTop, margins, s.rect(80, 48, 49, 20), kTopId);
    edit(ymszBottom, dialog::Edit::ymszBottom, margins, s.rect(176, 48, 49, 20), kBottomId);
    label(RzLabel1, "RzLabel1", margins, s.rect(40, 31, 36, 12), L"左边距", regular);
    label(RzLabel2, "RzLabel2", margins, s.rect(40, 56, 36, 12), L"上边距", regular);
    label(RzLabel3, "RzLabel3", margins, s.rect(136, 32, 36, 12), L"右边距", regular);
    label(RzLabel4, "RzLabel4", margins, s.rect(136, 56, 36, 12), L"下边距", regular);

    group(RzGroupBox2, "RzGroupBox2", s.rect(296, 120, 265, 97), L"正文", kGroupBox2Id);
    const HWND body = RzGroupBox2.handle();
    edit(zwLine, dialog::Edit::zwLine, body, s.rect(66, 19, 49, 20), kBodyLineId);
    edit(zwDuanQianDuanHou, dialog::Edit::zwDuanQianDuanHou, body, s.rect(198, 19, 49, 20), kBodySpacingId);
    zwFontName.create_font_combo(body, s.rect(72, 51, 81, 22), kBodyFontNameId, bold, s(kFontEntryHeight));
    name(dialog::name_of(dialog::FontCombo::zwFontName), zwFontName.handle());
    zwFontSize.create_size_combo(body, s.rect(152, 53, 97, 20), kBodyFontSizeId, bold, s(kFontEntryHeight),
                                 app::kBodySizeIndex);
    name(dialog::name_of(dialog::SizeCombo::zwFontSize), zwFontSize.handle());
    label(RzLabel5, "RzLabel5", body, s.rect(16, 27, 48, 12), L"固定行距", regular);
    label(RzLabel6, "RzLabel6", body, s.rect(146, 27, 48, 12), L"段前段后", regular);
    label(RzLabel7, "RzLabel7", body, s.rect(16, 59, 48, 12), L"字体字号", regular);

    group(RzGroupBox3, "RzGroupBox3", s.rect(16, 120, 249, 97), L"标题行", kGroupBox3Id);
    const HWND title = RzGroupBox3.handle();
    edit(btDuanQianDuanHou, dialog::Edit::btDuanQianDuanHou, title, s.rect(72, 19, 49, 20), kTitleSpacingId);
    btFontSize.create_size_combo(title, s.rect(160, 53, 81, 20), kTitleFontSizeId, bold, s(kFontEntryHeight),
                                 app::kTitleSizeIndex);
    name(dialog::name_of(dialog::SizeCombo::btFontSize), btFontSize.handle());
    btFontName.create_font_combo(title, s.rect(72, 51, 89, 22), kTitleFontNameId, bold, s(kFontEntryHeight));
    name(dialog::name_of(dialog::FontCombo::btFontName), btFontName.handle());
    label(RzLabel8, "RzLabel8", title, s.rect(16, 27, 48, 12), L"段前段后", regular);
    label(RzLabel10, "RzLabel10", title, s.rect(16, 59, 48, 12), L"字体字号", regular);

    group(RzGroupBox4, "RzGroupBox4", s.rect(16, 224, 545, 41), L"文章尾部", kGroupBox4Id);
    const HWND ending = RzGroupBox4.handle();
    auto check = [&](FlatCheckBox& box, dialog::CheckBox which, const RECT& bounds, int id, const wchar_t* caption) {
        box.create_check_box(ending, bounds, id, caption, regular, dialog::built_in_checked(which));
        name(dialog::name_of(which), box.handle());
    };
    check(wbkh, dialog::CheckBox::wbkh, s.rect(16, 16, 91, 15), kBlankLinesId, L"去除尾部空行");
    check(tshr, dialog::CheckBox::tshr, s.rect(112, 16, 163, 15), kSignOffId, L"添加审核人、起草人、日期");
    check(zhyh, dialog::CheckBox::zhyh, s.rect(280, 16, 127, 15), kRightAlignId, L"设置最后两行右对齐");
    check(DuanQian, dialog::CheckBox::DuanQian, s.rect(408, 16, 115, 15), kIndentId, L"段前缩进两个空格");

    RzTrackBar1.create_slider(page, s.rect(232, 312, 336, 33), kSliderId, [this](int) { RzTrackBar1Change(); });
    name("RzTrackBar1", RzTrackBar1.handle());
    label(RzLabel11, "RzLabel11", page, s.rect(16, 272, 412, 39), kCredits, fonts_.credits.get());

    zwFontName.set_font_name(std::string(dialog::built_in(dialog::FontCombo::zwFontName)));
    btFontName.set_font_name(std::string(dialog::built_in(dialog::FontCombo::btFontName)));

    Official.create({TabSheet2.handle(), s, fonts_, [this] { typeset_clicked(&TForm1::RzButton3Click); },
                     [this](std::string_view control_name, HWND window) { name(control_name, window); },
                     [this](std::string_view font) { return font_installed(std::string(font)); }});
}

HWND TForm1::control(std::string_view control_name) const
{
    for (const auto& named : named_controls_) {
        if (named.name == control_name) return named.window;
    }
    return nullptr;
}

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

FlatEdit& TForm1::edit(typeset::Edit which)
{
    switch (which) {
    case typeset::Edit::ymszLeft: return ymszLeft;
    case typeset::Edit::ymszRight: return ymszRight;
    case typeset::Edit::ymszTop: return ymszTop;
    case typeset::Edit::ymszBottom: return ymszBottom;
    case typeset::Edit::zwLine: return zwLine;
    case typeset::Edit::zwDuanQianDuanHou: return zwDuanQianDuanHou;
    case typeset::Edit::btDuanQianDuanHou: return btDuanQianDuanHou;
    default:
        if (FlatEdit* official = Official.edit(which)) return *official;
    }
    throw std::logic_error("unknown edit");
}

SizeComboBox& TForm1::size_combo(typeset::SizeCombo which)
{
    switch (which) {
    case typeset::SizeCombo::zwFontSize: return zwFontSize;
    case typeset::SizeCombo::btFontSize: return btFontSize;
    default:
        if (SizeComboBox* official = Official.size_combo(which)) return *official;
    }
    throw std::logic_error("unknown size combo");
}

FontComboBox& TForm1::font_combo(typeset::FontCombo which)
{
    switch (which) {
    case typeset::FontCombo::zwFontName: return zwFontName;
    case typeset::FontCombo::btFontName: return btFontName;
    default:
        if (FontComboBox* official = Official.font_combo(which)) return *official;
    }
    throw std::logic_error("unknown font combo");
}

FlatCheckBox& TForm1::check_box(typeset::CheckBox which)
{
    switch (which) {
    case typeset::CheckBox::wbkh: return wbkh;
    case typeset::CheckBox::tshr: return tshr;
    case typeset::CheckBox::zhyh: return zhyh;
    case typeset::CheckBox::DuanQian: return DuanQian;
    default:
        if (FlatCheckBox* official = Official.check_box(which)) return *official;
    }
    throw std::logic_error("unknown check box");
}

std::string TForm1::edit_text(typeset::Edit which) { return edit(which).text(); }
void TForm1::set_edit_text(typeset::Edit which, const std::string& text) { edit(which).set_text(text); }
std::string TForm1::size_value(typeset::SizeCombo which) { return size_combo(which).value(); }
std::string TForm1::size_text(typeset::SizeCombo which) { return size_combo(which).text(); }
void TForm1::set_size_text(typeset::SizeCombo which, const std::string& text) { size_combo(which).set_text(text); }
std::string TForm1::font_name(typeset::FontCombo which) { return font_combo(which).font_name(); }
void TForm1::set_font_name(typeset::FontCombo which, const std::string& name)
{
    const dialog::FontChain* chain = dialog::chain_of(which);
    if (!chain) {
        font_combo(which).set_font_name(name);
        return;
    }
    // A saved font missing here is stood in for as the built-in one is.
    const dialog::FontInstalled installed = [this](std::string_view font) { return font_installed(std::string(font)); };
    font_combo(which).show_font_name(dialog::font_to_show(*chain, name, installed));
    Official.show_substitute(which);
}

bool TForm1::checked(typeset::CheckBox which) { return check_box(which).checked(); }
void TForm1::set_checked(typeset::CheckBox which, bool value) { check_box(which).set_checked(value); }
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
