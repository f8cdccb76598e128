// The transparency slider: a flat horizontal trackbar from 100 to 255 that
// reports every change of position, step by step while the thumb is dragged.
// It moves in steps of 1: Right, Up, keypad "+" and Page Up raise it, Left,
// Down, keypad "-" and Page Down lower it, Home goes to 100 and End to 255.
// A click on the track beside the thumb moves the thumb one step towards the
// click at once and, while the button is held, again after 200 ms and then
// every 100 ms until the thumb reaches the point clicked.
#pragma once

#include <functional>
#include <utility>

#include <windows.h>

#include <commctrl.h>

#include "app/win/controls/window.h"

namespace app::win {

class TransparencySlider : public SubclassedControl {
public:
    static constexpr int kMinimum = 100;
    static constexpr int kMaximum = 255;
    static constexpr UINT kFirstRepeatMilliseconds = 200;
    static constexpr UINT kRepeatMilliseconds = 100;

    void create_slider(HWND parent, const RECT& bounds, int id);
    void on_change(std::function<void(int)> handler) { on_change_ = std::move(handler); }

    int position() const;
    // Kept within 100 to 255; a change is reported.
    void set_position(int position);

protected:
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    LRESULT custom_draw(NMCUSTOMDRAW& draw);
    void report_change();
    bool on_key(WPARAM key);
    bool start_track_click(POINT point);
    void step_towards_click();
    // The held button's timer: the next step, faster after the first.
    void repeat_step();
    bool thumb_reached_click() const;
    void stop_track_click();

    std::function<void(int)> on_change_;
    int reported_position_ = kMaximum;
    // While the button is held after a click on the track.
    bool tracking_click_ = false;
    bool repeating_ = false;
    int click_x_ = 0;
    int direction_ = 0;
};

}  // namespace app::win
