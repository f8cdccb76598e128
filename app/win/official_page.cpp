#include "app/win/official_page.h"

#include <array>
#include <string>
#include <string_view>

#include "platform/win/text.h"

namespace app::win {

namespace {

constexpr auto kRows = std::to_array<ControlRow<OfficialPage>>({
    {&OfficialPage::RzButton3, "RzButton3", "", {16, 24, 265, 68}, L"自动排版", 200},
    {&OfficialPage::RzGroupBox5, "RzGroupBox5", "", {296, 24, 265, 68}, L"页面设置", 201},
    {&OfficialPage::gwTop, "gwTop", "RzGroupBox5", {80, 18, 49, 20}, nullptr, 206},
    {&OfficialPage::gwBottom, "gwBottom", "RzGroupBox5", {176, 18, 49, 20}, nullptr, 207},
    {&OfficialPage::gwLeft, "gwLeft", "RzGroupBox5", {80, 42, 49, 20}, nullptr, 208},
    {&OfficialPage::gwRight, "gwRight", "RzGroupBox5", {176, 42, 49, 20}, nullptr, 209},
    {&OfficialPage::RzLabel12, "RzLabel12", "RzGroupBox5", {40, 22, 36, 12}, L"上边距", kNoId},
    {&OfficialPage::RzLabel13, "RzLabel13", "RzGroupBox5", {136, 22, 36, 12}, L"下边距", kNoId},
    {&OfficialPage::RzLabel14, "RzLabel14", "RzGroupBox5", {40, 46, 36, 12}, L"左边距", kNoId},
    {&OfficialPage::RzLabel15, "RzLabel15", "RzGroupBox5", {136, 46, 36, 12}, L"右边距", kNoId},
    {&OfficialPage::RzLabel16, "RzLabel16", "RzGroupBox5", {229, 34, 24, 12}, L"厘米", kNoId},

    {&OfficialPage::RzGroupBox6, "RzGroupBox6", "", {16, 102, 265, 120}, L"标题", 202},
    {&OfficialPage::gwBtFontName, "gwBtFontName", "RzGroupBox6", {72, 19, 145, 22}, nullptr, 210},
    {&OfficialPage::gwBtFontNote, "gwBtFontNote", "RzGroupBox6", {16, 46, 241, 12}, L"", kNoId},
    {&OfficialPage::gwBtFontSize, "gwBtFontSize", "RzGroupBox6", {72, 65, 89, 20}, nullptr, 211},
    {&OfficialPage::RzLabel17, "RzLabel17", "RzGroupBox6", {16, 24, 48, 12}, L"字体", kNoId},
    {&OfficialPage::RzLabel18, "RzLabel18", "RzGroupBox6", {16, 69, 48, 12}, L"字号", kNoId},
    {&OfficialPage::gwBzFontSize, "gwBzFontSize", "RzGroupBox6", {190, 65, 67, 20}, nullptr, 222},
    {&OfficialPage::RzLabel27, "RzLabel27", "RzGroupBox6", {164, 69, 24, 12}, L"标志", kNoId},

    {&OfficialPage::RzGroupBox7, "RzGroupBox7", "", {296, 102, 265, 120}, L"正文", 203},
    {&OfficialPage::gwZwFontName, "gwZwFontName", "RzGroupBox7", {72, 19, 145, 22}, nullptr, 212},
    {&OfficialPage::gwZwFontNote, "gwZwFontNote", "RzGroupBox7", {16, 46, 241, 12}, L"", kNoId},
    {&OfficialPage::gwZwFontSize, "gwZwFontSize", "RzGroupBox7", {72, 65, 89, 20}, nullptr, 213},
    {&OfficialPage::gwZwLine, "gwZwLine", "RzGroupBox7", {192, 65, 45, 20}, nullptr, 214},
    {&OfficialPage::gwXwFontName, "gwXwFontName", "RzGroupBox7", {72, 91, 145, 22}, nullptr, 215},
    {&OfficialPage::RzLabel19, "RzLabel19", "RzGroupBox7", {16, 24, 48, 12}, L"字体", kNoId},
    {&OfficialPage::RzLabel20, "RzLabel20", "RzGroupBox7", {16, 69, 48, 12}, L"字号", kNoId},
    {&OfficialPage::RzLabel21, "RzLabel21", "RzGroupBox7", {166, 69, 24, 12}, L"行距", kNoId},
    {&OfficialPage::RzLabel22, "RzLabel22", "RzGroupBox7", {241, 69, 12, 12}, L"磅", kNoId},
    {&OfficialPage::RzLabel23, "RzLabel23", "RzGroupBox7", {16, 96, 48, 12}, L"西文字体", kNoId},

    {&OfficialPage::RzGroupBox8, "RzGroupBox8", "", {16, 232, 265, 110}, L"标题层级", 204},
    {&OfficialPage::gwYjFontName, "gwYjFontName", "RzGroupBox8", {72, 17, 145, 22}, nullptr, 216},
    {&OfficialPage::gwYjFontNote, "gwYjFontNote", "RzGroupBox8", {16, 40, 241, 12}, L"", kNoId},
    {&OfficialPage::gwEjFontName, "gwEjFontName", "RzGroupBox8", {72, 54, 145, 22}, nullptr, 217},
    {&OfficialPage::gwEjFontNote, "gwEjFontNote", "RzGroupBox8", {16, 77, 241, 12}, L"", kNoId},
    {&OfficialPage::gwSjjc, "gwSjjc", "RzGroupBox8", {16, 91, 97, 15}, L"三级标题加粗", 223},
    {&OfficialPage::RzLabel24, "RzLabel24", "RzGroupBox8", {16, 22, 48, 12}, L"一级标题", kNoId},
    {&OfficialPage::RzLabel25, "RzLabel25", "RzGroupBox8", {16, 59, 48, 12}, L"二级标题", kNoId},

    {&OfficialPage::RzGroupBox9, "RzGroupBox9", "", {296, 232, 265, 110}, L"文尾", 205},
    {&OfficialPage::gwLk, "gwLk", "RzGroupBox9", {16, 21, 181, 15}, L"添加落款（发文机关和日期）", 218},
    {&OfficialPage::gwFwjg, "gwFwjg", "RzGroupBox9", {84, 43, 157, 20}, nullptr, 219},
    {&OfficialPage::gwYm, "gwYm", "RzGroupBox9", {16, 74, 67, 15}, L"添加页码", 220},
    {&OfficialPage::gwKh, "gwKh", "RzGroupBox9", {112, 74, 91, 15}, L"去除尾部空行", 221},
    {&OfficialPage::RzLabel26, "RzLabel26", "RzGroupBox9", {32, 47, 48, 12}, L"发文机关", kNoId},
});
static_assert(rows_fit_values<OfficialPage>(kRows, dialog::Page::TabSheet2));

// A chained combo's note is named after it: "gwBtFontNote" beside
// "gwBtFontName".
constexpr bool is_note_of(std::string_view note, std::string_view combo)
{
    const std::string_view kind = "Name";
    return combo.ends_with(kind) && note.size() == combo.size() && note.ends_with("Note") &&
           note.substr(0, note.size() - kind.size()) == combo.substr(0, combo.size() - kind.size());
}

// Every chain's combo reports changes; each has its note but the Western
// font's, whose substitute the completion message names alone.
constexpr bool chains_fit_rows()
{
    for (const dialog::FontChain& chain : dialog::kFontChains) {
        const std::string_view combo = dialog::name_of(chain.combo);
        bool chained = false;
        bool noted = false;
        for (const ControlRow<OfficialPage>& row : kRows) {
            using Chained = ChainedFontCombo OfficialPage::*;
            using Note = Label OfficialPage::*;
            chained = chained || (row.name == combo && std::holds_alternative<Chained>(row.member));
            noted = noted || (is_note_of(row.name, combo) && std::holds_alternative<Note>(row.member));
        }
        if (!chained || (!noted && chain.combo != dialog::FontCombo::gwXwFontName)) return false;
    }
    return true;
}
static_assert(chains_fit_rows());

Label* note_of(OfficialPage& page, dialog::FontCombo which)
{
    const std::string_view combo = dialog::name_of(which);
    for (const ControlRow<OfficialPage>& row : kRows) {
        if (is_note_of(row.name, combo)) return find_control<Label, OfficialPage>(page, kRows, row.name);
    }
    return nullptr;
}

}  // namespace

std::span<const ControlRow<OfficialPage>> OfficialPage::rows() { return kRows; }

void OfficialPage::create(const Setup& setup)
{
    installed_ = setup.installed;
    build_page<OfficialPage>(*this, kRows, {setup.page, setup.scaling, setup.fonts, setup.names, installed_});
    RzButton3.on_click(setup.on_typeset);
    for (const dialog::FontChain& chain : dialog::kFontChains) {
        ChainedFontCombo* combo = value_control<ChainedFontCombo>(chain.combo);
        combo->on_change([this, which = chain.combo] { show_substitute(which); });
    }
    show_substitutes();
}

void OfficialPage::show_substitutes()
{
    for (const dialog::FontChain& chain : dialog::kFontChains) show_substitute(chain.combo);
}

void OfficialPage::show_substitute(dialog::FontCombo which)
{
    const dialog::FontChain* chain = dialog::chain_of(which);
    Label* label = note_of(*this, which);
    if (!chain || !label) return;
    const auto text = dialog::substitute_note(*chain, value_control<FontComboBox>(which)->font_name(), installed_);
    const HWND note = label->handle();
    SetWindowTextW(note, platform::win::to_utf16(text.value_or("")).c_str());
    InvalidateRect(note, nullptr, TRUE);
}

}  // namespace app::win
