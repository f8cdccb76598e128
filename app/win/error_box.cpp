#include "app/win/error_box.h"

#include <utility>

#include "app/error_text.h"
#include "app/win/message_box.h"
#include "platform/win/text.h"

namespace app::win {

namespace {

struct ErrorBoxOwner {
    HWND window = nullptr;
    std::wstring title;
};

ErrorBoxOwner& owner()
{
    static ErrorBoxOwner current;
    return current;
}

}  // namespace

void set_error_box_owner(HWND window, std::wstring title)
{
    owner() = ErrorBoxOwner{window, std::move(title)};
}

void show_error_box(std::string_view message)
{
    // A drag in progress (the slider's thumb) must not keep the mouse.
    if (GetCapture()) ReleaseCapture();
    show_application_modal_box(owner().window, platform::win::to_utf16(app::error_box_text(std::string{message})),
                               owner().title, MB_OK | MB_ICONERROR);
}

int ask_in_error_box(std::string_view message, std::string_view question, UINT buttons)
{
    if (GetCapture()) ReleaseCapture();
    const std::string text = app::error_box_text(std::string{message}) + "\n\n" + std::string{question};
    return show_application_modal_box(owner().window, platform::win::to_utf16(text), owner().title,
                                      buttons | MB_ICONERROR);
}

std::string exception_message(std::exception_ptr thrown)
{
    try {
        std::rethrow_exception(std::move(thrown));
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "Unknown exception";
    }
}

}  // namespace app::win
