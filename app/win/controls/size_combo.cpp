#include "app/win/controls/size_combo.h"

#include <commctrl.h>
#include <imm.h>

#include "app/size_completion.h"
#include "app/size_table.h"
#include "platform/win/text.h"
#include "platform/win/window_text.h"

namespace app::win {

namespace {

constexpr int kVisibleEntries = 8;

// wchar_t is UTF-16 on Windows: the completion works on the same units.
std::u16string_view as_utf16(std::wstring_view text)
{
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

std::wstring as_wide(std::u16string_view text) { return {reinterpret_cast<const wchar_t*>(text.data()), text.size()}; }

}  // namespace

SizeComboBox::~SizeComboBox()
{
    if (field_) RemoveWindowSubclass(field_, field_thunk, kSubclassId);
}

void SizeComboBox::create_size_combo(HWND parent, const RECT& bounds, int id, HFONT font, int entry_height,
                                     int initial_index)
{
    create_combo(parent, bounds, id, CBS_DROPDOWN | CBS_AUTOHSCROLL, font, entry_height, kVisibleEntries);
    for (const auto& size : app::kChineseFontSizes) {
        SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(to_utf16(size.name).c_str()));
    }
    select(initial_index);

    field_ = parts().hwndItem;
    if (field_) SetWindowSubclass(field_, field_thunk, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

std::string SizeComboBox::text() const { return to_utf8(window_text(handle())); }

void SizeComboBox::set_text(const std::string& text) { SetWindowTextW(handle(), to_utf16(text).c_str()); }

std::string SizeComboBox::value() const { return app::size_value(text()); }

LRESULT SizeComboBox::on_field_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_CHAR:
    // The edit types an input method's characters without a WM_CHAR.
    case WM_IME_CHAR: {
        typed_by_characters_ = true;
        const auto character = static_cast<wchar_t>(wparam);
        if (app::is_printable(static_cast<char16_t>(character)) && complete_typing(std::wstring_view{&character, 1}))
            return 0;
        break;
    }
    case WM_IME_COMPOSITION:
        if (lparam & GCS_RESULTSTR) {
            // Whether the edit inserts the result string itself or hands it
            // on character by character, it ends up as typed text.
            typed_by_characters_ = false;
            const std::wstring before = window_text(field_);
            const LRESULT result = DefSubclassProc(field_, message, wparam, lparam);
            if (!typed_by_characters_ && window_text(field_) != before) complete_field_text();
            return result;
        }
        break;
    default:
        break;
    }
    return DefSubclassProc(field_, message, wparam, lparam);
}

bool SizeComboBox::complete_typing(std::wstring_view typed)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(field_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring field = window_text(field_);
    const std::u16string after = app::text_after_typing(as_utf16(field), start, end, as_utf16(typed));
    const auto completion = app::complete_size_name(after);
    if (!completion) return false;
    show_completion(completion->entry, as_wide(completion->text), completion->caret);
    return true;
}

void SizeComboBox::complete_field_text()
{
    const std::wstring field = window_text(field_);
    const auto completion = app::complete_size_name(as_utf16(field));
    if (completion) show_completion(completion->entry, as_wide(completion->text), completion->caret);
}

void SizeComboBox::show_completion(std::size_t entry, const std::wstring& text, std::size_t caret)
{
    select(static_cast<int>(entry));
    SetWindowTextW(field_, text.c_str());
    // Anchor at the end, caret after the typed part: the completed rest is
    // selected and the next character replaces it.
    SendMessageW(field_, EM_SETSEL, static_cast<WPARAM>(text.size()), static_cast<LPARAM>(caret));
}

}  // namespace app::win
