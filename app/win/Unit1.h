// The main dialog: every control of the window, the values they offer the
// typesetting run and the settings file, and the handlers of its events.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/win/controls/check_box.h"
#include "app/win/controls/flat_edit.h"
#include "app/win/controls/font_combo.h"
#include "app/win/controls/group_box.h"
#include "app/win/controls/label.h"
#include "app/win/controls/page_control.h"
#include "app/win/controls/panel.h"
#include "app/win/controls/progress_bar.h"
#include "app/win/controls/push_button.h"
#include "app/win/controls/size_combo.h"
#include "app/win/controls/slider.h"
#include "app/win/controls/window.h"
#include "app/win/fonts.h"
#include "app/win/official_page.h"
#include "app/win/page_table.h"
#include "app/win/scaling.h"
#include "app/win/win32_platform.h"
#include "app/win/window_opacity.h"
#include "settings/dialog_settings.h"
#include "settings/ini_store.h"
#include "typeset/dialog.h"
#include "word/components.h"

namespace app::win {

class TForm1 final : public Window, public typeset::Dialog, public settings::SettingsControls {
public:
    struct Setup {
        HWND owner;                                    // the application's hidden window
        word::ApplicationComponent::Connector connect;  // how WordApplication1 finds Word
        std::string settings_path;                     // system.ini beside the executable
    };

    explicit TForm1(Setup setup);
    ~TForm1() override;

    // Event handlers.
    void FormCreate();
    void FormClose();
    void RzButton2Click();
    void RzButton3Click();
    void RzTrackBar1Change();

    // Values for the run.
    std::string edit_text(typeset::Edit edit) override;
    std::string size_value(typeset::SizeCombo combo) override;
    std::string font_name(typeset::FontCombo combo) override;
    bool checked(typeset::CheckBox box) override;
    bool font_installed(const std::string& name) override;
    void set_button_enabled(bool enabled) override;
    void set_progress(std::int16_t percent) override;
    void show_message(const std::string& text, const std::string& caption, typeset::Icon icon) override;

    // Values for the settings file.
    void set_edit_text(typeset::Edit edit, const std::string& text) override;
    std::string size_text(typeset::SizeCombo combo) override;
    void set_size_text(typeset::SizeCombo combo, const std::string& text) override;
    void set_font_name(typeset::FontCombo combo, const std::string& name) override;
    void set_checked(typeset::CheckBox box, bool value) override;
    dialog::Page active_page() override;
    void set_active_page(dialog::Page page) override;

    // Ctrl+Tab and the other keys that change the page, for the message
    // loop; true when the message was one of them.
    bool page_key(const MSG& message);

    // The window's current alpha, 255 when opaque.
    BYTE alpha() const { return opacity_.alpha(); }
    const Scaling& scaling() const { return scaling_; }

    // A control by its name, as the tests find it.
    HWND control(std::string_view name) const;

protected:
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    void create_window(HWND owner);
    void create_controls();
    // A typeset button's click: the run, its failure shown in the error
    // box, then a close that was asked for meanwhile.
    void typeset_clicked(void (TForm1::*run)());
    // The active page's typeset button, where the focus goes by default.
    HWND typeset_button();
    // After a page change: the focus leaves the page that was hidden.
    void page_shown();
    // Input that came while the run held the thread is dropped, so that
    // keys and clicks aimed at the busy dialog do not close the run's
    // message box or start another run; a close among them is kept.
    void drop_input_of_the_run();
    // Saves the settings; when that fails, asks whether to close anyway.
    bool settings_saved_or_given_up();
    // A value's control, on whichever page holds it.
    template <class Control>
    Control& value_control(dialog::Control which);

    Scaling scaling_;
    DialogFonts fonts_;
    WindowOpacity opacity_;
    Win32Platform platform_;
    ControlNames names_;
    HWND focus_before_deactivation_ = nullptr;
    bool running_ = false;
    bool close_requested_ = false;

public:
    // The controls, under the names the rest of the program uses.
    PageControl RzPageControl1;
    Panel RzStatusBar1;
    GradientProgressBar RzProgressStatus1;
    FlatButton RzButton2;  // the first page's; the second page's is Official.RzButton3
    FlatGroupBox RzGroupBox1, RzGroupBox2, RzGroupBox3, RzGroupBox4;
    Label RzLabel1, RzLabel2, RzLabel3, RzLabel4, RzLabel5, RzLabel6, RzLabel7, RzLabel8, RzLabel10, RzLabel11;
    FlatEdit ymszLeft, ymszRight, ymszTop, ymszBottom, zwLine, zwDuanQianDuanHou, btDuanQianDuanHou;
    FontComboBox zwFontName, btFontName;
    SizeComboBox zwFontSize, btFontSize;
    FlatCheckBox wbkh, tshr, zhyh, DuanQian;
    TransparencySlider RzTrackBar1;
    // The second page, "党政公文".
    OfficialPage Official;

    word::WordServers WordServers_;
    settings::IniStore RzRegIniFile1;
};

}  // namespace app::win
