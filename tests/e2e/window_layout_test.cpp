// The window as a tester sees it from outside: caption, place, size, styles, and
// each control's identity, look and place, in creation order.
#include "sorvane_session.h"

#include <vector>

namespace {

// Expected values are written out independently of the program's own constants.
struct Styles {
    LONG style;
    LONG exStyle;
};

// Created as passed (0x14CA00C4) without WS_VISIBLE, with DS_NOFAILCREATE and
// DS_CENTER; then shown.
constexpr Styles WINDOW = {0x14CA08D4, 0x00010109};
constexpr Styles TEXT_BOX = {0x5021150C, 0x204};
constexpr Styles BUTTON = {0x50010000, 0x4};
constexpr Styles LABEL = {0x50000000, 0x4};
constexpr Styles STATUS = {0x50001001, 0x20004};

struct ExpectedControl {
    int id;
    const char* className;
    const char* caption;
    int x, y, width, height;
    Styles styles;
};

// In creation order.
constexpr ExpectedControl CONTROLS[] = {
    {102, "Edit", "", 10, 115, 321, 74, TEXT_BOX},
    {107, "Button", "&Compare Text", 220, 195, 53, 14, BUTTON},
    {104, "Button", "&Erase Text", 10, 195, 53, 14, BUTTON},
    {108, "Button", "&Run Brenlow", 159, 95, 53, 14, BUTTON},
    {105, "Button", "&Begin CW", 219, 95, 53, 14, BUTTON},
    {106, "Button", "&Stop CW", 279, 95, 53, 14, BUTTON},
    {2, "Button", "&Quit", 280, 195, 53, 14, BUTTON},
    {101, "Edit", "", 10, 15, 321, 74, TEXT_BOX},
    {110, "Static", "Koch Trainer Transmission Text", 10, 5, 220, 8, LABEL},
    {103, "Static", "", 70, 196, 144, 12, STATUS},
    {-1, "Static", "Type Received Text in this window", 10, 105, 123, 8, LABEL},
};

RECT UnitsRect(int x, int y, int width, int height) {
    return drive::DialogUnitsToPixels(RECT{x, y, x + width, y + height});
}

// A rectangle as "(left,top)-(right,bottom)", so a failure shows both.
std::string Corners(const RECT& rect) {
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom) + ")";
}

using WindowLayout = SorvaneSession;

} // namespace

// The caption is written out here rather than taken from the product, but for
// the version, which comes from the project's definition.
TEST_F(WindowLayout, CaptionPlaceClientAreaAndStylesMakeAFixedCentredTopmostDialog) {
    ASSERT_TRUE(StartSorvane());
    EXPECT_EQ(drive::WindowText(Window()),
              "Sorvane v" SORVANE_VERSION_TEXT
              " by Vantrel - for Brenlow Koch Method CW Trainer v9.1.6");
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_TRUE(drive::IsCentredOnWorkArea(Window()));
    RECT client{};
    GetClientRect(Window(), &client);
    EXPECT_EQ(Corners(client), Corners(UnitsRect(0, 0, 343, 216)));
    const LONG style = GetWindowLongA(Window(), GWL_STYLE);
    const LONG exStyle = GetWindowLongA(Window(), GWL_EXSTYLE);
    EXPECT_EQ(style, WINDOW.style) << std::hex << style;
    EXPECT_EQ(exStyle, WINDOW.exStyle) << std::hex << exStyle;
    // What the style bits mean to the user.
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_NE(exStyle & WS_EX_TOPMOST, 0);
    EXPECT_NE(exStyle & WS_EX_CONTROLPARENT, 0);
}

// An empty caption for 101, 102 and 103: both boxes and the status line start empty.
TEST_F(WindowLayout, ControlsComeInTheirOrderEachWithItsClassCaptionStylesAndPlace) {
    ASSERT_TRUE(StartSorvane());
    const std::vector<HWND> children = drive::DirectChildren(Window());
    ASSERT_EQ(children.size(), std::size(CONTROLS));
    for (size_t i = 0; i < std::size(CONTROLS); ++i) {
        const ExpectedControl& expected = CONTROLS[i];
        SCOPED_TRACE(expected.id);
        EXPECT_EQ(GetDlgCtrlID(children[i]), expected.id) << "child " << i;
        HWND control = Control(expected.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(lstrcmpiA(drive::ClassName(control).c_str(), expected.className), 0)
            << drive::ClassName(control);
        EXPECT_EQ(drive::WindowText(control), expected.caption);
        EXPECT_EQ(GetWindowLongA(control, GWL_STYLE), expected.styles.style)
            << std::hex << GetWindowLongA(control, GWL_STYLE);
        EXPECT_EQ(GetWindowLongA(control, GWL_EXSTYLE), expected.styles.exStyle)
            << std::hex << GetWindowLongA(control, GWL_EXSTYLE);
        EXPECT_EQ(Corners(drive::ChildRectInParent(control)),
                  Corners(UnitsRect(expected.x, expected.y, expected.width, expected.height)));
    }
}
