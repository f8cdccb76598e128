// The progress bar repaints inside its setter, once per change of value, and
// fills as far as the per cent says.
#include "tests/windows/dialog/dialog_fixture.h"

#include <commctrl.h>

#include "platform/win/unique_handle.h"

namespace dialog_tests {
namespace {

class ProgressBar : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        form = make_form();
        if (form->scaling().dpi() != 96) GTEST_SKIP() << "the widths below are for 96 dpi";
        show(*form);
        SetWindowSubclass(bar().handle(), count_paints, 1, reinterpret_cast<DWORD_PTR>(&paints));
    }
    app::win::GradientProgressBar& bar() { return form->RzProgressStatus1; }
    int paint_count() const { return paints; }

    // Counts the bar's WM_PAINTs, watching its window from outside.
    static LRESULT CALLBACK count_paints(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                         DWORD_PTR count)
    {
        if (message == WM_PAINT) ++*reinterpret_cast<int*>(count);
        return DefSubclassProc(window, message, wparam, lparam);
    }

    // The columns drawn in the bar's colour, read from a fresh drawing.
    int filled_columns()
    {
        RECT client;
        GetClientRect(bar().handle(), &client);
        platform::win::window_dc screen{bar().handle()};
        HDC memory = CreateCompatibleDC(screen.get());
        HBITMAP bitmap = CreateCompatibleBitmap(screen.get(), client.right, client.bottom);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        SendMessageW(bar().handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
        int filled = 0;
        for (int x = 0; x < client.right; ++x) {
            if (GetPixel(memory, x, client.bottom / 2) != RGB(255, 255, 255)) ++filled;
        }
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        return filled;
    }
    int paints = 0;
    std::unique_ptr<app::win::TForm1> form;
};

TEST_F(ProgressBar, Setting37TwicePaintsOnce)
{
    const int before = paint_count();
    form->set_progress(37);
    EXPECT_EQ(paint_count(), before + 1);
    form->set_progress(37);
    EXPECT_EQ(paint_count(), before + 1);
}

TEST_F(ProgressBar, TheSetterPaintsBeforeReturningWithoutTheMessageLoop)
{
    const int before = paint_count();
    form->set_progress(1);
    form->set_progress(2);
    form->set_progress(3);
    EXPECT_EQ(paint_count(), before + 3);
    EXPECT_EQ(bar().percent(), 3);
}

TEST_F(ProgressBar, ZeroShowsOnlyTheWhiteBackground)
{
    form->set_progress(0);
    EXPECT_EQ(filled_columns(), 0);
}

TEST_F(ProgressBar, FiftyPerCentFillsHalfTheWidthRounded)
{
    form->set_progress(50);
    EXPECT_EQ(filled_columns(), 291);  // 290.5 of 581
}

TEST_F(ProgressBar, NinetyNinePerCentLeavesTheLastColumnsWhite)
{
    form->set_progress(99);
    EXPECT_EQ(filled_columns(), 575);  // 575.19 of 581
}

TEST_F(ProgressBar, HundredAndAboveFillTheWholeBar)
{
    form->set_progress(100);
    EXPECT_EQ(filled_columns(), 581);
    form->set_progress(1000);
    EXPECT_EQ(filled_columns(), 581);
}

TEST_F(ProgressBar, ANegativeValueFillsTheWholeBar)
{
    // A one-paragraph document gives -100.
    form->set_progress(-100);
    EXPECT_EQ(filled_columns(), 581);
}

}  // namespace
}  // namespace dialog_tests
