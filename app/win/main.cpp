// Tidyset: start-up, the message loop, and the end of the program.
#include <windows.h>

#include <commctrl.h>

#include "app/win/application.h"
#include "app/win/com_apartment.h"
#include "app/win/dll_search.h"
#include "app/win/error_box.h"
#include "app/win/Unit1.h"
#include "settings/win/settings_file_path.h"
#include "word/com/busy_word.h"
#include "word/com/com_word.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    app::win::restrict_dll_search_to_system_folder();

    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);

    app::win::Application application;
    // Before the dialog exists: attaching to Word relies on it.
    app::win::ComApartment com;
    // A busy Word's rejected calls are retried, the dialog painted meanwhile.
    word::com::BusyWordFilter busy_word;

    int exit_code = 0;
    try {
        app::win::TForm1 Form1{{application.owner_window(), word::com::attach_to_word,
                                settings::settings_file_path()}};
        exit_code = application.run(Form1.handle(), [&Form1](const MSG& message) { return Form1.page_key(message); });
    } catch (...) {
        app::win::show_error_box(app::win::exception_message(std::current_exception()));
        exit_code = 1;
    }
    return exit_code;
}
