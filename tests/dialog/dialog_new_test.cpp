// DialogNew: the style rules, centring, the caption and the hidden start.
#include "dialog_layer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

constexpr LONG DEFAULT_STYLE = 0x80C000D4; // popup, caption, modal frame, font, no-fail, 3-D
constexpr LONG ALWAYS_ADDED = 0x54;        // DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK
constexpr int WIDTH = 120;
constexpr int HEIGHT = 60;
constexpr int CENTRE = -1;
constexpr int SOME_POS = 20;
constexpr size_t MAX_CAPTION = 256;
constexpr int CENTRE_TOLERANCE_PX = 1;

class DialogNewTest : public ::testing::Test {
  protected:
    void TearDown() override {
        if (dialog_ != nullptr) {
            DestroyWindow(dialog_);
        }
    }
    HWND Make(const std::string& caption, int x, int y, DWORD style, DWORD exStyle = 0) {
        dialog_ = DialogNew(nullptr, caption, x, y, WIDTH, HEIGHT, style, exStyle);
        return dialog_;
    }
    LONG Style() const { return GetWindowLongA(dialog_, GWL_STYLE); }
    std::string Caption() const {
        char text[1024] = {};
        GetWindowTextA(dialog_, text, sizeof(text));
        return text;
    }
    bool IsCentred() const {
        RECT work{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        RECT window{};
        GetWindowRect(dialog_, &window);
        const int dx = (window.left - work.left) - (work.right - window.right);
        const int dy = (window.top - work.top) - (work.bottom - window.bottom);
        return std::abs(dx) <= 2 * CENTRE_TOLERANCE_PX && std::abs(dy) <= 2 * CENTRE_TOLERANCE_PX;
    }
    HWND dialog_ = nullptr;
};

} // namespace

TEST_F(DialogNewTest, StyleZeroBecomesTheCaptionedModalPopup) {
    ASSERT_NE(Make("t", SOME_POS, SOME_POS, 0), nullptr);
    // Top-level windows always get WS_CLIPSIBLINGS from the platform.
    EXPECT_EQ(Style() & ~WS_CLIPSIBLINGS, DEFAULT_STYLE) << std::hex << Style();
}

TEST_F(DialogNewTest, VisibleAndSystemModalAreTakenOutAndFontBitsAdded) {
    const DWORD passed = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SYSMODAL;
    ASSERT_NE(Make("t", SOME_POS, SOME_POS, passed), nullptr);
    EXPECT_FALSE(IsWindowVisible(dialog_));
    EXPECT_EQ(Style() & (WS_VISIBLE | DS_SYSMODAL), 0) << std::hex << Style();
    EXPECT_EQ(Style() & ALWAYS_ADDED, ALWAYS_ADDED) << std::hex << Style();
    EXPECT_EQ(Style() & DS_CENTER, 0);
}

TEST_F(DialogNewTest, ExtendedStyleIsUsedAsPassed) {
    ASSERT_NE(Make("t", SOME_POS, SOME_POS, 0, WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT), nullptr);
    const LONG exStyle = GetWindowLongA(dialog_, GWL_EXSTYLE);
    EXPECT_EQ(exStyle & (WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT),
              WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT);
}

TEST_F(DialogNewTest, XMinusOneCentresWhateverY) {
    ASSERT_NE(Make("t", CENTRE, SOME_POS, 0), nullptr);
    EXPECT_NE(Style() & DS_CENTER, 0);
    EXPECT_TRUE(IsCentred());
}

TEST_F(DialogNewTest, YMinusOneCentresWhateverX) {
    ASSERT_NE(Make("t", SOME_POS, CENTRE, 0), nullptr);
    EXPECT_NE(Style() & DS_CENTER, 0);
    EXPECT_TRUE(IsCentred());
}

TEST_F(DialogNewTest, OtherPositionsAreNotCentred) {
    ASSERT_NE(Make("t", SOME_POS, SOME_POS, 0), nullptr);
    EXPECT_EQ(Style() & DS_CENTER, 0);
    EXPECT_FALSE(IsCentred());
}

TEST_F(DialogNewTest, CaptionIsKeptAsGiven) {
    ASSERT_NE(Make("Koch practice", SOME_POS, SOME_POS, 0), nullptr);
    EXPECT_EQ(Caption(), "Koch practice");
}

TEST_F(DialogNewTest, EmptyCaptionBecomesOneSpace) {
    ASSERT_NE(Make("", SOME_POS, SOME_POS, 0), nullptr);
    EXPECT_EQ(Caption(), " ");
}

TEST_F(DialogNewTest, CaptionIsCutAt256Bytes) {
    std::string caption;
    for (size_t i = 0; i < MAX_CAPTION + 44; ++i) {
        caption += static_cast<char>('A' + i % 26);
    }
    ASSERT_NE(Make(caption, SOME_POS, SOME_POS, 0), nullptr);
    EXPECT_EQ(Caption(), caption.substr(0, MAX_CAPTION));
}

// Bytes are widened as they are; for Latin-1 letters that is the code page's own
// mapping, so they come back unchanged.
TEST_F(DialogNewTest, CaptionBytesAreWidenedUnchanged) {
    const std::string caption = "K\xE9y \xC4\xD6\xDC";
    ASSERT_NE(Make(caption, SOME_POS, SOME_POS, 0), nullptr);
    EXPECT_EQ(Caption(), caption);
}

TEST_F(DialogNewTest, DialogUsesMsSansSerifEight) {
    ASSERT_NE(Make("t", SOME_POS, SOME_POS, 0), nullptr);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTA description{};
    GetObjectA(font, sizeof(description), &description);
    EXPECT_STREQ(description.lfFaceName, "MS Sans Serif");
}
