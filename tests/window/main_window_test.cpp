// The built window inspected from inside its own process, where fonts and icons
// can be read (under Wine, WM_GETFONT, WM_GETICON and GetObjectA answer only here).
#include "drive.h"
#include "main_window.h"
#include "main_window_build.h"

#include <gtest/gtest.h>

namespace {

constexpr int TEXT_FONT_CONTROLS[] = {101, 102, 103};
constexpr int DIALOG_FONT_CONTROLS[] = {107, 104, 108, 105, 106, 2, 110, -1};
constexpr char TEXT_FACE[] = "Arial";
constexpr LONG TEXT_HEIGHT = -12;
constexpr LONG TEXT_WEIGHT = 400;
constexpr size_t CONTROL_COUNT = 11;

HFONT FontOf(HWND window) {
    return reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
}

LOGFONTA Describe(HGDIOBJ font) {
    LOGFONTA description{};
    GetObjectA(font, sizeof(description), &description);
    return description;
}

class BuiltMainWindow : public ::testing::Test {
  protected:
    void SetUp() override { window_ = BuildMainWindow(); }
    // The event handler, which would release these, never runs here.
    void TearDown() override {
        DestroyWindow(window_);
        DeleteObject(TextFont);
        TextFont = nullptr;
    }
    HWND window_ = nullptr;
};

} // namespace

TEST_F(BuiltMainWindow, IsTheHiddenMainDialogWithAllControlsAndTheStockIcons) {
    ASSERT_NE(window_, nullptr);
    EXPECT_EQ(window_, MainDialog);
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_EQ(drive::DirectChildren(window_).size(), CONTROL_COUNT);
    const HICON stock = LoadIconA(nullptr, IDI_APPLICATION);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window_, WM_GETICON, ICON_SMALL, 0)), stock);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window_, WM_GETICON, ICON_BIG, 0)), stock);
}

TEST_F(BuiltMainWindow, BoxesAndStatusLineUseArialTwelveButtonsAndLabelsTheDialogFont) {
    ASSERT_NE(TextFont, nullptr);
    for (int id : TEXT_FONT_CONTROLS) {
        SCOPED_TRACE(id);
        const HFONT font = FontOf(GetDlgItem(window_, id));
        EXPECT_EQ(font, TextFont);
        const LOGFONTA description = Describe(font);
        EXPECT_STREQ(description.lfFaceName, TEXT_FACE);
        EXPECT_EQ(description.lfHeight, TEXT_HEIGHT);
        EXPECT_EQ(description.lfWidth, 0);
        EXPECT_EQ(description.lfWeight, TEXT_WEIGHT);
    }
    // Only height, width, weight and face are changed; the rest is the stock font's.
    const LOGFONTA stock = Describe(GetStockObject(ANSI_VAR_FONT));
    const LOGFONTA text = Describe(TextFont);
    EXPECT_EQ(text.lfEscapement, stock.lfEscapement);
    EXPECT_EQ(text.lfOrientation, stock.lfOrientation);
    EXPECT_EQ(text.lfItalic, stock.lfItalic);
    EXPECT_EQ(text.lfUnderline, stock.lfUnderline);
    EXPECT_EQ(text.lfStrikeOut, stock.lfStrikeOut);
    EXPECT_EQ(text.lfCharSet, stock.lfCharSet);
    EXPECT_EQ(text.lfOutPrecision, stock.lfOutPrecision);
    EXPECT_EQ(text.lfClipPrecision, stock.lfClipPrecision);
    EXPECT_EQ(text.lfQuality, stock.lfQuality);
    EXPECT_EQ(text.lfPitchAndFamily, stock.lfPitchAndFamily);
    const HFONT dialogFont = FontOf(window_);
    ASSERT_NE(dialogFont, nullptr);
    EXPECT_NE(dialogFont, TextFont);
    for (int id : DIALOG_FONT_CONTROLS) {
        SCOPED_TRACE(id);
        EXPECT_EQ(FontOf(GetDlgItem(window_, id)), dialogFont);
    }
}
