// ControlAdd: classes, default styles per kind, the mapped rectangle, the dialog
// font and the default push button.
#include "dialog_layer.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

constexpr int DIALOG_POS = 10;
constexpr int DIALOG_WIDTH = 200;
constexpr int DIALOG_HEIGHT = 120;
constexpr int CONTROL_ID = 300;
constexpr int OTHER_ID = 301;
constexpr LONG BUTTON_DEFAULT = 0x50010000;
constexpr LONG LABEL_DEFAULT = 0x50000000;
constexpr LONG TEXT_BOX_DEFAULT_WITHOUT_BORDER = 0x50010080;
constexpr LONG CHILD_VISIBLE = 0x50000000;

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

class ControlAddTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog_ = DialogNew(nullptr, "controls", DIALOG_POS, DIALOG_POS, DIALOG_WIDTH,
                            DIALOG_HEIGHT, 0, 0);
        ASSERT_NE(dialog_, nullptr);
    }
    void TearDown() override { DestroyWindow(dialog_); }
    HWND Add(ControlKind kind, DWORD style = 0, DWORD exStyle = 0, int id = CONTROL_ID) {
        return ControlAdd(dialog_, id, "caption", 5, 6, 40, 12, style, exStyle, kind);
    }
    static std::string ClassOf(HWND window) {
        char name[64] = {};
        GetClassNameA(window, name, sizeof(name));
        return Upper(name);
    }
    HWND dialog_ = nullptr;
};

} // namespace

TEST_F(ControlAddTest, ButtonDefaultIsAVisibleTabStopPushButton) {
    HWND button = Add(ControlKind::Button);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(ClassOf(button), "BUTTON");
    EXPECT_EQ(GetWindowLongA(button, GWL_STYLE), BUTTON_DEFAULT)
        << std::hex << GetWindowLongA(button, GWL_STYLE);
    EXPECT_EQ(GetWindowLongA(button, GWL_EXSTYLE), 0);
}

TEST_F(ControlAddTest, LabelDefaultIsAVisibleLeftAlignedStatic) {
    HWND label = Add(ControlKind::Label);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(ClassOf(label), "STATIC");
    EXPECT_EQ(GetWindowLongA(label, GWL_STYLE), LABEL_DEFAULT)
        << std::hex << GetWindowLongA(label, GWL_STYLE);
    EXPECT_EQ(GetWindowLongA(label, GWL_EXSTYLE), 0);
}

TEST_F(ControlAddTest, TextBoxDefaultTradesTheBorderForAClientEdge) {
    HWND box = Add(ControlKind::TextBox);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ClassOf(box), "EDIT");
    EXPECT_EQ(GetWindowLongA(box, GWL_STYLE), TEXT_BOX_DEFAULT_WITHOUT_BORDER)
        << std::hex << GetWindowLongA(box, GWL_STYLE);
    EXPECT_EQ(GetWindowLongA(box, GWL_EXSTYLE), WS_EX_CLIENTEDGE);
}

TEST_F(ControlAddTest, GivenStyleGetsOnlyChildAndVisibleAdded) {
    HWND box = Add(ControlKind::TextBox, ES_MULTILINE | ES_UPPERCASE, WS_EX_NOPARENTNOTIFY);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindowLongA(box, GWL_STYLE), CHILD_VISIBLE | ES_MULTILINE | ES_UPPERCASE)
        << std::hex << GetWindowLongA(box, GWL_STYLE);
    EXPECT_EQ(GetWindowLongA(box, GWL_EXSTYLE), WS_EX_NOPARENTNOTIFY);
}

TEST_F(ControlAddTest, CaptionAndIdentifierAreSet) {
    HWND label = Add(ControlKind::Label);
    EXPECT_EQ(GetDlgCtrlID(label), CONTROL_ID);
    EXPECT_EQ(GetDlgItem(dialog_, CONTROL_ID), label);
    EXPECT_EQ(ControlGetText(dialog_, CONTROL_ID), "caption");
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
    RECT actual{};
    GetWindowRect(label, &actual);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

TEST_F(ControlAddTest, EveryKindStartsWithTheDialogFont) {
    const HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0));
    ASSERT_NE(dialogFont, nullptr);
    int id = CONTROL_ID;
    for (ControlKind kind : {ControlKind::Button, ControlKind::Label, ControlKind::TextBox}) {
        HWND control = Add(kind, 0, 0, id++);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), dialogFont);
    }
}

TEST_F(ControlAddTest, DefaultPushButtonBecomesTheDefaultId) {
    Add(ControlKind::Button, BS_PUSHBUTTON, 0, OTHER_ID);
    EXPECT_NE(LOWORD(SendMessageA(dialog_, DM_GETDEFID, 0, 0)), OTHER_ID);
    Add(ControlKind::Button, BS_DEFPUSHBUTTON, 0, CONTROL_ID);
    EXPECT_EQ(LOWORD(SendMessageA(dialog_, DM_GETDEFID, 0, 0)), CONTROL_ID);
}

TEST_F(ControlAddTest, CheckBoxIsNotADefaultButton) {
    // BS_AUTOCHECKBOX shares the low bit with BS_DEFPUSHBUTTON.
    Add(ControlKind::Button, BS_AUTOCHECKBOX, 0, CONTROL_ID);
    EXPECT_NE(LOWORD(SendMessageA(dialog_, DM_GETDEFID, 0, 0)), CONTROL_ID);
}

TEST_F(ControlAddTest, NoDialogMeansNoControl) {
    EXPECT_EQ(ControlAdd(nullptr, CONTROL_ID, "x", 1, 1, 10, 10, 0, 0, ControlKind::Button),
              nullptr);
}
