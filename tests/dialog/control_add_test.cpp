// ControlAdd: classes, default styles per kind, the mapped rectangle, the dialog
// font and the default push button.
#include "drive.h"
#include "modal_harness.h"

#include <string>
#include <utility>

namespace {

constexpr int CONTROL_ID = 300;

const struct {
    ControlKind kind;
    DWORD style; // as passed
    DWORD exStyle;
    const char* className;
    LONG wantStyle;
    LONG wantExStyle;
} KINDS[] = {
    // Style 0: a button is a visible tab stop push button, a label a visible
    // left-aligned static, and a text box trades the border for a client edge.
    {ControlKind::Button, 0, 0, "BUTTON", 0x50010000, 0},
    {ControlKind::Label, 0, 0, "STATIC", 0x50000000, 0},
    {ControlKind::TextBox, 0, 0, "EDIT", 0x50010080, WS_EX_CLIENTEDGE},
    // A given style gets only child and visible added.
    {ControlKind::TextBox, ES_MULTILINE | ES_UPPERCASE, WS_EX_NOPARENTNOTIFY, "EDIT",
     WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_UPPERCASE, WS_EX_NOPARENTNOTIFY},
};

HWND Add(HWND dialog, ControlKind kind, DWORD style = 0, DWORD exStyle = 0, int id = CONTROL_ID) {
    return ControlAdd(dialog, id, "caption", 5, 6, 40, 12, style, exStyle, kind);
}

using ControlAddTest = TestDialogCase;

} // namespace

TEST_F(ControlAddTest, EachKindHasItsClassTheDialogFontAndItsDefaultOrGivenStyles) {
    const HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0));
    ASSERT_NE(dialogFont, nullptr);
    int id = CONTROL_ID;
    for (const auto& expected : KINDS) {
        SCOPED_TRACE(std::string(expected.className) + " " + std::to_string(expected.style));
        HWND control = Add(dialog_, expected.kind, expected.style, expected.exStyle, id++);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(lstrcmpiA(drive::ClassName(control).c_str(), expected.className), 0)
            << drive::ClassName(control);
        EXPECT_EQ(GetWindowLongA(control, GWL_STYLE), expected.wantStyle)
            << std::hex << GetWindowLongA(control, GWL_STYLE);
        EXPECT_EQ(GetWindowLongA(control, GWL_EXSTYLE), expected.wantExStyle);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), dialogFont);
    }
}

TEST_F(ControlAddTest, CaptionAndIdentifierAreSetAndNoDialogMeansNoControl) {
    HWND label = Add(dialog_, ControlKind::Label);
    EXPECT_EQ(GetDlgCtrlID(label), CONTROL_ID);
    EXPECT_EQ(GetDlgItem(dialog_, CONTROL_ID), label);
    EXPECT_EQ(ControlGetText(dialog_, CONTROL_ID), "caption");
    EXPECT_EQ(Add(nullptr, ControlKind::Button), nullptr);
}

// Mapping each edge differs from mapping the width when the rounding of x and of
// x + width fall differently; these values make it so for the dialog font.
TEST_F(ControlAddTest, RectangleComesFromTheMappedEdges) {
    constexpr int X = 3, Y = 5, WIDTH = 7, HEIGHT = 9;
    HWND label = ControlAdd(dialog_, CONTROL_ID, "", X, Y, WIDTH, HEIGHT, 0, 0, ControlKind::Label);
    ASSERT_NE(label, nullptr);
    RECT expected{X, Y, X + WIDTH, Y + HEIGHT};
    ASSERT_TRUE(MapDialogRect(dialog_, &expected));
    RECT size{0, 0, WIDTH, HEIGHT};
    ASSERT_TRUE(MapDialogRect(dialog_, &size));
    ASSERT_TRUE(expected.right - expected.left != size.right ||
                expected.bottom - expected.top != size.bottom)
        << "these values cannot tell mapped edges from a mapped size";
    const RECT actual = drive::ChildRectInParent(label);
    EXPECT_TRUE(EqualRect(&actual, &expected))
        << actual.left << "," << actual.top << "-" << actual.right << "," << actual.bottom;
}

// BS_AUTOCHECKBOX shares the low bit with BS_DEFPUSHBUTTON.
TEST_F(ControlAddTest, OnlyADefaultPushButtonBecomesTheDefaultId) {
    const std::pair<DWORD, bool> rows[] = {
        {BS_PUSHBUTTON, false}, {BS_AUTOCHECKBOX, false}, {BS_DEFPUSHBUTTON, true}};
    int id = CONTROL_ID;
    for (const auto& [style, becomesDefault] : rows) {
        SCOPED_TRACE(style);
        Add(dialog_, ControlKind::Button, style, 0, ++id);
        EXPECT_EQ(LOWORD(SendMessageA(dialog_, DM_GETDEFID, 0, 0)) == id, becomesDefault);
    }
}
