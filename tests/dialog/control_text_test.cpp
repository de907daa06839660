// Control access by dialog and identifier: texts byte for byte, sends and focus.
#include "drive.h"
#include "modal_harness.h"

#include <string>
#include <utility>

namespace {

constexpr int LABEL_ID = 120;
constexpr int BOX_ID = 121;
constexpr int MISSING_ID = 999;

// A label and a text box on the test dialog.
class ControlTextTest : public TestDialogCase {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(TestDialogCase::SetUp());
        ASSERT_NE(ControlAdd(dialog_, LABEL_ID, "", 1, 1, 150, 10, 0, 0, ControlKind::Label),
                  nullptr);
        ASSERT_NE(ControlAdd(dialog_, BOX_ID, "", 1, 20, 150, 10, 0, 0, ControlKind::TextBox),
                  nullptr);
    }
};

} // namespace

// On a label: an upper-casing edit box would change some of these bytes.
TEST_F(ControlTextTest, TextComesBackByteForByteUpToAnEmbeddedNulAndEmptiedGivesEmpty) {
    EXPECT_EQ(ControlGetText(dialog_, LABEL_ID), "");
    EXPECT_EQ(ControlGetText(dialog_, MISSING_ID), "");
    const std::string all = drive::EveryByteButNul();
    const std::pair<std::string, std::string> rows[] = {
        {all, all}, {std::string("ab\0cd", 5), "ab"}, {"", ""}};
    for (const auto& [set, got] : rows) {
        SCOPED_TRACE(got.size());
        ControlSetText(dialog_, LABEL_ID, set);
        EXPECT_EQ(ControlGetText(dialog_, LABEL_ID), got);
    }
}

TEST_F(ControlTextTest, ControlSendReachesTheControlAndDialogSendTheDialog) {
    ControlSetText(dialog_, BOX_ID, "hello");
    EXPECT_EQ(ControlSend(dialog_, BOX_ID, WM_GETTEXTLENGTH, 0, 0), 5);
    ControlSend(dialog_, BOX_ID, EM_SETSEL, 1, 3);
    DWORD start = 0, end = 0;
    ControlSend(dialog_, BOX_ID, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 3u);
    DialogSend(dialog_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("renamed"));
    EXPECT_EQ(drive::WindowText(dialog_), "renamed");
}

TEST_F(ControlTextTest, ControlSetFocusMovesTheFocus) {
    HWND box = GetDlgItem(dialog_, BOX_ID);
    HWND focused = nullptr;
    RunModal(dialog_, [&](HWND d) {
        ControlSetFocus(d, BOX_ID);
        focused = GetFocus();
        DialogEnd(d, 0);
    });
    EXPECT_EQ(focused, box);
}
