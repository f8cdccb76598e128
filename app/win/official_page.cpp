#include "app/win/official_page.h"

#include "app/size_table.h"
#include "app/win/controls/message_reflection.h"
#include "app/win/wide_text.h"

namespace app::win {

namespace {

constexpr int kFontEntryHeight = 16;

enum ControlId : int {
    kButtonId = 200,
    kMarginsId,
    kTitleId,
    kBodyId,
    kHeadingsId,
    kEndingId,
    kTopId,
    kBottomId,
    kLeftId,
    kRightId,
    kTitleFontNameId,
    kTitleFontSizeId,
    kBodyFontNameId,
    kBodyFontSizeId,
    kBodyLineId,
    kWesternFontNameId,
    kLevel1FontNameId,
    kLevel2FontNameId,
    kSignOffId,
    kIssuerId,
    kPageNumbersId,
    kBlankLinesId,
    kMarkFontSizeId,
    kLevel3BoldId,
};

// The entry of the sizes list that a built-in size names.
int size_index(dialog::SizeCombo which)
{
    const std::string_view text = dialog::built_in(which);
    for (std::size_t i = 0; i < app::kChineseFontSizes.size(); ++i) {
        if (app::kChineseFontSizes[i].name == text) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

LRESULT ChainedFontCombo::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    const LRESULT result = FontComboBox::on_message(message, wparam, lparam);
    if (message == reflected(WM_COMMAND) && HIWORD(wparam) == CBN_SELCHANGE && on_change_) on_change_();
    return result;
}

LRESULT TextEdit::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS) return default_message(message, wparam, lparam);
    return FlatEdit::on_message(message, wparam, lparam);
}

void OfficialPage::create(const Setup& setup)
{
    installed_ = setup.installed;
    const Scaling& s = setup.scaling;
    const HFONT bold = setup.fonts.bold.get();
    const HFONT regular = setup.fonts.regular.get();
    const HWND page = setup.page;

    // Created in tab order, as on the first page.
    RzButton3.create_push_button(page, s.rect(16, 24, 265, 68), kButtonId, L"自动排版", setup.fonts.window.get(),
                                 setup.on_typeset);
    setup.name("RzButton3", RzButton3.handle());

    auto group = [&](FlatGroupBox& box, std::string_view box_name, const RECT& bounds, const wchar_t* caption,
                     int id) {
        box.create_panel(page, bounds, caption, id);
        SendMessageW(box.handle(), WM_SETFONT, reinterpret_cast<WPARAM>(bold), FALSE);
        setup.name(box_name, box.handle());
        return box.handle();
    };
    auto label = [&](Label& text, std::string_view label_name, HWND parent, const RECT& bounds,
                     const wchar_t* caption) {
        text.create_label(parent, bounds, caption, regular);
        setup.name(label_name, text.handle());
    };
    auto edit = [&](FlatEdit& field, dialog::Edit which, HWND parent, const RECT& bounds, int id) {
        field.create_edit(parent, bounds, id, std::string(dialog::built_in(which)), bold);
        setup.name(dialog::name_of(which), field.handle());
    };
    auto font = [&](FontComboBox& combo, dialog::FontCombo which, HWND parent, const RECT& bounds, int id) {
        combo.create_font_combo(parent, bounds, id, bold, s(kFontEntryHeight));
        setup.name(dialog::name_of(which), combo.handle());
    };
    auto size = [&](SizeComboBox& combo, dialog::SizeCombo which, HWND parent, const RECT& bounds, int id) {
        combo.create_size_combo(parent, bounds, id, bold, s(kFontEntryHeight), size_index(which));
        // A size no entry names, as the mark's, is the field's text.
        if (size_index(which) < 0) combo.set_text(std::string(dialog::built_in(which)));
        setup.name(dialog::name_of(which), combo.handle());
    };
    auto check = [&](FlatCheckBox& box, dialog::CheckBox which, HWND parent, const RECT& bounds, int id,
                     const wchar_t* caption) {
        box.create_check_box(parent, bounds, id, caption, regular, dialog::built_in_checked(which));
        setup.name(dialog::name_of(which), box.handle());
    };
    auto note = [&](Label& text, std::string_view note_name, HWND parent, int top) {
        text.create_label(parent, s.rect(16, top, 241, 12), L"", regular);
        setup.name(note_name, text.handle());
    };

    const HWND margins = group(RzGroupBox5, "RzGroupBox5", s.rect(296, 24, 265, 68), L"页面设置", kMarginsId);
    edit(gwTop, dialog::Edit::gwTop, margins, s.rect(80, 18, 49, 20), kTopId);
    edit(gwBottom, dialog::Edit::gwBottom, margins, s.rect(176, 18, 49, 20), kBottomId);
    edit(gwLeft, dialog::Edit::gwLeft, margins, s.rect(80, 42, 49, 20), kLeftId);
    edit(gwRight, dialog::Edit::gwRight, margins, s.rect(176, 42, 49, 20), kRightId);
    label(RzLabel12, "RzLabel12", margins, s.rect(40, 22, 36, 12), L"上边距");
    label(RzLabel13, "RzLabel13", margins, s.rect(136, 22, 36, 12), L"下边距");
    label(RzLabel14, "RzLabel14", margins, s.rect(40, 46, 36, 12), L"左边距");
    label(RzLabel15, "RzLabel15", margins, s.rect(136, 46, 36, 12), L"右边距");
    label(RzLabel16, "RzLabel16", margins, s.rect(229, 34, 24, 12), L"厘米");

    const HWND title = group(RzGroupBox6, "RzGroupBox6", s.rect(16, 102, 265, 120), L"标题", kTitleId);
    font(gwBtFontName, dialog::FontCombo::gwBtFontName, title, s.rect(72, 19, 145, 22), kTitleFontNameId);
    note(gwBtFontNote, "gwBtFontNote", title, 46);
    size(gwBtFontSize, dialog::SizeCombo::gwBtFontSize, title, s.rect(72, 65, 89, 20), kTitleFontSizeId);
    label(RzLabel17, "RzLabel17", title, s.rect(16, 24, 48, 12), L"字体");
    label(RzLabel18, "RzLabel18", title, s.rect(16, 69, 48, 12), L"字号");
    size(gwBzFontSize, dialog::SizeCombo::gwBzFontSize, title, s.rect(190, 65, 67, 20), kMarkFontSizeId);
    label(RzLabel27, "RzLabel27", title, s.rect(164, 69, 24, 12), L"标志");

    const HWND body = group(RzGroupBox7, "RzGroupBox7", s.rect(296, 102, 265, 120), L"正文", kBodyId);
    font(gwZwFontName, dialog::FontCombo::gwZwFontName, body, s.rect(72, 19, 145, 22), kBodyFontNameId);
    note(gwZwFontNote, "gwZwFontNote", body, 46);
    size(gwZwFontSize, dialog::SizeCombo::gwZwFontSize, body, s.rect(72, 65, 89, 20), kBodyFontSizeId);
    edit(gwZwLine, dialog::Edit::gwZwLine, body, s.rect(192, 65, 45, 20), kBodyLineId);
    font(gwXwFontName, dialog::FontCombo::gwXwFontName, body, s.rect(72, 91, 145, 22), kWesternFontNameId);
    label(RzLabel19, "RzLabel19", body, s.rect(16, 24, 48, 12), L"字体");
    label(RzLabel20, "RzLabel20", body, s.rect(16, 69, 48, 12), L"字号");
    label(RzLabel21, "RzLabel21", body, s.rect(166, 69, 24, 12), L"行距");
    label(RzLabel22, "RzLabel22", body, s.rect(241, 69, 12, 12), L"磅");
    label(RzLabel23, "RzLabel23", body, s.rect(16, 96, 48, 12), L"西文字体");

    const HWND headings = group(RzGroupBox8, "RzGroupBox8", s.rect(16, 232, 265, 110), L"标题层级", kHeadingsId);
    font(gwYjFontName, dialog::FontCombo::gwYjFontName, headings, s.rect(72, 17, 145, 22), kLevel1FontNameId);
    note(gwYjFontNote, "gwYjFontNote", headings, 40);
    font(gwEjFontName, dialog::FontCombo::gwEjFontName, headings, s.rect(72, 54, 145, 22), kLevel2FontNameId);
    note(gwEjFontNote, "gwEjFontNote", headings, 77);
    check(gwSjjc, dialog::CheckBox::gwSjjc, headings, s.rect(16, 91, 97, 15), kLevel3BoldId, L"三级标题加粗");
    label(RzLabel24, "RzLabel24", headings, s.rect(16, 22, 48, 12), L"一级标题");
    label(RzLabel25, "RzLabel25", headings, s.rect(16, 59, 48, 12), L"二级标题");

    const HWND ending = group(RzGroupBox9, "RzGroupBox9", s.rect(296, 232, 265, 110), L"文尾", kEndingId);
    check(gwLk, dialog::CheckBox::gwLk, ending, s.rect(16, 21, 181, 15), kSignOffId, L"添加落款（发文机关和日期）");
    edit(gwFwjg, dialog::Edit::gwFwjg, ending, s.rect(84, 43, 157, 20), kIssuerId);
    check(gwYm, dialog::CheckBox::gwYm, ending, s.rect(16, 74, 67, 15), kPageNumbersId, L"添加页码");
    check(gwKh, dialog::CheckBox::gwKh, ending, s.rect(112, 74, 91, 15), kBlankLinesId, L"去除尾部空行");
    label(RzLabel26, "RzLabel26", ending, s.rect(32, 47, 48, 12), L"发文机关");

    // Each combo starts with the first installed font of its chain, or the
    // chain's first when none is.
    for (const dialog::FontChain& chain : dialog::kFontChains) {
        chained(chain.combo).show_font_name(dialog::first_installed(chain, installed_));
        chained(chain.combo).on_change([this, which = chain.combo] { show_substitute(which); });
    }
    show_substitutes();
}

FlatEdit* OfficialPage::edit(dialog::Edit which)
{
    switch (which) {
    case dialog::Edit::gwTop: return &gwTop;
    case dialog::Edit::gwBottom: return &gwBottom;
    case dialog::Edit::gwLeft: return &gwLeft;
    case dialog::Edit::gwRight: return &gwRight;
    case dialog::Edit::gwZwLine: return &gwZwLine;
    case dialog::Edit::gwFwjg: return &gwFwjg;
    default: return nullptr;
    }
}

SizeComboBox* OfficialPage::size_combo(dialog::SizeCombo which)
{
    switch (which) {
    case dialog::SizeCombo::gwBtFontSize: return &gwBtFontSize;
    case dialog::SizeCombo::gwZwFontSize: return &gwZwFontSize;
    case dialog::SizeCombo::gwBzFontSize: return &gwBzFontSize;
    default: return nullptr;
    }
}

FontComboBox* OfficialPage::font_combo(dialog::FontCombo which)
{
    switch (which) {
    case dialog::FontCombo::gwBtFontName: return &gwBtFontName;
    case dialog::FontCombo::gwZwFontName: return &gwZwFontName;
    case dialog::FontCombo::gwYjFontName: return &gwYjFontName;
    case dialog::FontCombo::gwEjFontName: return &gwEjFontName;
    case dialog::FontCombo::gwXwFontName: return &gwXwFontName;
    default: return nullptr;
    }
}

FlatCheckBox* OfficialPage::check_box(dialog::CheckBox which)
{
    switch (which) {
    case dialog::CheckBox::gwLk: return &gwLk;
    case dialog::CheckBox::gwYm: return &gwYm;
    case dialog::CheckBox::gwKh: return &gwKh;
    case dialog::CheckBox::gwSjjc: return &gwSjjc;
    default: return nullptr;
    }
}

ChainedFontCombo& OfficialPage::chained(dialog::FontCombo which)
{
    switch (which) {
    case dialog::FontCombo::gwZwFontName: return gwZwFontName;
    case dialog::FontCombo::gwYjFontName: return gwYjFontName;
    case dialog::FontCombo::gwEjFontName: return gwEjFontName;
    case dialog::FontCombo::gwXwFontName: return gwXwFontName;
    default: return gwBtFontName;
    }
}

Label* OfficialPage::note_of(dialog::FontCombo which)
{
    switch (which) {
    case dialog::FontCombo::gwBtFontName: return &gwBtFontNote;
    case dialog::FontCombo::gwZwFontName: return &gwZwFontNote;
    case dialog::FontCombo::gwYjFontName: return &gwYjFontNote;
    case dialog::FontCombo::gwEjFontName: return &gwEjFontNote;
    default: return nullptr;
    }
}

void OfficialPage::show_substitutes()
{
    for (const dialog::FontChain& chain : dialog::kFontChains) show_substitute(chain.combo);
}

void OfficialPage::show_substitute(dialog::FontCombo which)
{
    const dialog::FontChain* chain = dialog::chain_of(which);
    Label* label = note_of(which);
    if (!chain || !label) return;
    const auto text = dialog::substitute_note(*chain, font_combo(which)->font_name(), installed_);
    const HWND note = label->handle();
    SetWindowTextW(note, to_utf16(text.value_or("")).c_str());
    InvalidateRect(note, nullptr, TRUE);
}

}  // namespace app::win
