// DialogNew: the style rules, centring, the caption and the hidden start.
#include "dialog_layer.h"
#include "drive.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace {

constexpr LONG DEFAULT_STYLE = 0x80C000D4; // popup, caption, modal frame, font, no-fail, 3-D
constexpr LONG ALWAYS_ADDED = 0x54;        // DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK
constexpr int WIDTH = 120;
constexpr int HEIGHT = 60;
constexpr int CENTRE = -1;
constexpr int SOME_POS = 20;
constexpr size_t MAX_CAPTION = 256;
constexpr size_t OVERLONG_CAPTION = MAX_CAPTION + 44;
constexpr int LETTERS = 26;

class DialogNewTest : public ::testing::Test {
  protected:
    void TearDown() override { DestroyWindow(dialog_); }
    HWND Make(const std::string& caption, int x, int y, DWORD style, DWORD exStyle = 0) {
        DestroyWindow(dialog_);
        dialog_ = DialogNew(nullptr, caption, x, y, WIDTH, HEIGHT, style, exStyle);
        return dialog_;
    }
    LONG Style() const { return GetWindowLongA(dialog_, GWL_STYLE); }
    HWND dialog_ = nullptr;
};

} // namespace

TEST_F(DialogNewTest, StyleZeroBecomesTheCaptionedModalPopupInMsSansSerifEight) {
    ASSERT_NE(Make("t", SOME_POS, SOME_POS, 0), nullptr);
    // Top-level windows always get WS_CLIPSIBLINGS from the platform.
    EXPECT_EQ(Style() & ~WS_CLIPSIBLINGS, DEFAULT_STYLE) << std::hex << Style();
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTA description{};
    GetObjectA(font, sizeof(description), &description);
    EXPECT_STREQ(description.lfFaceName, "MS Sans Serif");
}

TEST_F(DialogNewTest, VisibleAndSystemModalAreTakenOutFontBitsAddedExtendedStyleKept) {
    const DWORD passed = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SYSMODAL;
    const DWORD exPassed = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
    ASSERT_NE(Make("t", SOME_POS, SOME_POS, passed, exPassed), nullptr);
    EXPECT_FALSE(IsWindowVisible(dialog_));
    EXPECT_EQ(Style() & (WS_VISIBLE | DS_SYSMODAL), 0) << std::hex << Style();
    EXPECT_EQ(Style() & ALWAYS_ADDED, ALWAYS_ADDED) << std::hex << Style();
    EXPECT_EQ(Style() & DS_CENTER, 0);
    EXPECT_EQ(GetWindowLongA(dialog_, GWL_EXSTYLE) & exPassed, static_cast<LONG>(exPassed));
}

TEST_F(DialogNewTest, MinusOneForXOrYCentresAndNothingElseDoes) {
    const std::tuple<int, int, bool> rows[] = {
        {CENTRE, SOME_POS, true}, {SOME_POS, CENTRE, true}, {SOME_POS, SOME_POS, false}};
    for (const auto& [x, y, centred] : rows) {
        SCOPED_TRACE(std::to_string(x) + ", " + std::to_string(y));
        ASSERT_NE(Make("t", x, y, 0), nullptr);
        EXPECT_EQ((Style() & DS_CENTER) != 0, centred);
        EXPECT_EQ(drive::IsCentredOnWorkArea(dialog_), centred);
    }
}

// Bytes are widened as they are; for Latin-1 letters that is the code page's own
// mapping, so they come back unchanged.
TEST_F(DialogNewTest, CaptionIsKeptAsGivenExceptEmptyOrBeyond256Bytes) {
    std::string overlong;
    for (size_t i = 0; i < OVERLONG_CAPTION; ++i) {
        overlong += static_cast<char>('A' + i % LETTERS);
    }
    const std::pair<std::string, std::string> rows[] = {
        {"Koch practice", "Koch practice"},
        {"K\xE9y \xC4\xD6\xDC", "K\xE9y \xC4\xD6\xDC"},
        {"", " "},
        {overlong, overlong.substr(0, MAX_CAPTION)},
    };
    for (const auto& [given, shown] : rows) {
        SCOPED_TRACE(given);
        ASSERT_NE(Make(given, SOME_POS, SOME_POS, 0), nullptr);
        EXPECT_EQ(drive::WindowText(dialog_), shown);
    }
}
