// DialogShowModal, DialogEnd and the layer's dialog procedure: the greeting, the
// callback contract and the ways a run ends.
#include "dialog_records.h"
#include "modal_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {

constexpr UINT_PTR NESTED_TIMER_ID = 77;
constexpr UINT NESTED_TIMER_MS = 100;
constexpr UINT_PTR LATER_TIMER_ID = 78;
constexpr UINT LATER_TIMER_MS = 200;
constexpr char NESTED_BOX_CAPTION[] = "nested loop";
constexpr int32_t UNTOUCHED = -5;
constexpr int32_t END_VALUE = 1234;
constexpr UINT WM_PROBE = WM_APP + 1;
constexpr INT_PTR PROBE_RESULT = 42;
constexpr LONG_PTR OWN_RESULT = 5;
constexpr int LABEL_ID = 200;

void EndNow(HWND dialog) {
    DialogEnd(dialog, END_VALUE);
}

// Without a handler there is no safety timer of the harness; this one destroys
// a dialog that outlives its time.
HWND GuardedDialog = nullptr;
bool GuardFired = false;
void CALLBACK DestroyGuarded(HWND, UINT, UINT_PTR, DWORD) {
    GuardFired = true;
    DestroyWindow(GuardedDialog);
}

} // namespace

// The handler never sees WM_ACTIVATE, though the window is shown and active for the loop.
TEST(ModalRun, HandlerIsGreetedOnceWithInitDialogThenSizeWhileHiddenButNeverWithActivate) {
    HWND dialog = NewTestDialog();
    ASSERT_NE(dialog, nullptr);
    RECT client{};
    GetClientRect(dialog, &client);
    bool visible = false;
    bool active = false;
    const ModalRun run = RunModal(dialog, [&](HWND d) {
        visible = IsWindowVisible(d) != 0;
        active = GetActiveWindow() == d;
        EndNow(d);
    });
    ASSERT_GE(run.messages.size(), 2u);
    const LoggedMessage& init = run.messages[0];
    EXPECT_EQ(init.message, static_cast<UINT>(WM_INITDIALOG));
    EXPECT_EQ(init.wParam, reinterpret_cast<WPARAM>(dialog));
    EXPECT_EQ(init.lParam, 0);
    EXPECT_FALSE(init.visible);
    const LoggedMessage& size = run.messages[1];
    EXPECT_EQ(size.message, static_cast<UINT>(WM_SIZE));
    EXPECT_EQ(size.wParam, static_cast<WPARAM>(SIZE_RESTORED));
    EXPECT_EQ(size.lParam, MAKELPARAM(client.right, client.bottom));
    EXPECT_FALSE(size.visible);
    EXPECT_EQ(CountMessages(run, WM_INITDIALOG), 1);
    EXPECT_FALSE(run.timedOut);
    EXPECT_TRUE(visible);
    ASSERT_TRUE(active) << "the dialog was never activated, so WM_ACTIVATE was not sent";
    EXPECT_EQ(CountMessages(run, WM_ACTIVATE), 0);
}

TEST(ModalRun, MaximisedOrMinimisedStyleGreetsWithThatSize) {
    const std::pair<DWORD, WPARAM> rows[] = {{WS_MAXIMIZE, SIZE_MAXIMIZED},
                                             {WS_MINIMIZE, SIZE_MINIMIZED}};
    for (const auto& [style, sizeType] : rows) {
        SCOPED_TRACE(sizeType);
        const ModalRun run = RunModal(NewTestDialog(WS_POPUP | WS_CAPTION | style), EndNow);
        const auto size = std::find_if(run.messages.begin(), run.messages.end(),
                                       [](const LoggedMessage& m) { return m.message == WM_SIZE; });
        ASSERT_NE(size, run.messages.end());
        EXPECT_EQ(size->wParam, sizeType);
    }
}

// DialogEnd stores its end value, the close box 0; either destroys the window
// and drops the records of the dialog and its controls.
TEST(ModalRun, DialogEndOrTheCloseBoxEndsTheRunAndDestroysTheWindow) {
    const std::pair<ModalStep, int32_t> ways[] = {
        {EndNow, END_VALUE},
        {[](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, 0},
    };
    for (const auto& [step, endValue] : ways) {
        SCOPED_TRACE(endValue);
        HWND dialog = NewTestDialog();
        HWND label = ControlAdd(dialog, LABEL_ID, "x", 1, 1, 20, 8, 0, 0, ControlKind::Label);
        DialogRecord dialogRecord;
        ControlRecord labelRecord;
        ASSERT_TRUE(DialogRecordFind(dialog, &dialogRecord));
        ASSERT_TRUE(ControlRecordFind(label, &labelRecord));
        const ModalRun run = RunModal(dialog, step, nullptr, UNTOUCHED);
        EXPECT_FALSE(DialogRecordFind(dialog, &dialogRecord));
        EXPECT_FALSE(ControlRecordFind(label, &labelRecord));
        EXPECT_FALSE(run.timedOut);
        EXPECT_EQ(run.endValue, endValue);
        EXPECT_FALSE(IsWindow(dialog));
        EXPECT_EQ(CountMessages(run, WM_CLOSE), 1);
        EXPECT_EQ(CountMessages(run, WM_DESTROY), 1);
        EXPECT_EQ(CountMessages(run, WM_NCDESTROY), 1);
    }
}

// Only the cancel command ends this run, so a close command that got through or an
// Escape that arrived otherwise would show.
TEST(ModalRun, HandlerThatTakesTheCloseCommandKeepsTheDialogAndEscapeArrivesAsCancel) {
    bool stillThere = false;
    const ModalRun run = RunModal(
        NewTestDialog(),
        [&](HWND d) {
            SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0);
            stillThere = IsWindow(d) != 0;
            PostMessageA(d, WM_KEYDOWN, VK_ESCAPE, 1);
        },
        [](HWND d, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
            if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
                EndNow(d);
            }
            return message == WM_SYSCOMMAND;
        });
    EXPECT_TRUE(stillThere);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.endValue, END_VALUE);
}

TEST(ModalRun, PostedQuitDoesNotEndTheRun) {
    bool survived = false;
    const ModalRun run = RunModal(
        NewTestDialog(),
        [](HWND d) {
            PostQuitMessage(0);
            SetTimer(d, LATER_TIMER_ID, LATER_TIMER_MS, nullptr);
        },
        [&](HWND d, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
            if (message == WM_TIMER && wParam == LATER_TIMER_ID) {
                survived = true;
                EndNow(d);
            }
            return 0;
        });
    EXPECT_TRUE(survived);
    EXPECT_FALSE(run.timedOut);
    MSG left;
    EXPECT_FALSE(PeekMessageA(&left, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        << "the loop never took the quit message";
}

// The platform clears DWLP_MSGRESULT before each call of the dialog procedure, so
// "where it was 0" means: unless the handler stored a result there itself.
TEST(ModalRun, HandledResultGoesToMsgResultUnlessTheHandlerStoredOne) {
    LRESULT plainAnswer = 0, ownAnswer = 0;
    LONG_PTR plainStored = 0, ownStored = 0;
    RunModal(
        NewTestDialog(),
        [&](HWND d) {
            plainAnswer = SendMessageA(d, WM_PROBE, FALSE, 0);
            plainStored = GetWindowLongPtrA(d, DWLP_MSGRESULT);
            ownAnswer = SendMessageA(d, WM_PROBE, TRUE, 0);
            ownStored = GetWindowLongPtrA(d, DWLP_MSGRESULT);
            EndNow(d);
        },
        [](HWND d, UINT message, WPARAM storeOwn, LPARAM) -> INT_PTR {
            if (message != WM_PROBE) {
                return 0;
            }
            if (storeOwn) {
                SetWindowLongPtrA(d, DWLP_MSGRESULT, OWN_RESULT);
            }
            return PROBE_RESULT;
        });
    EXPECT_EQ(plainStored, PROBE_RESULT);
    EXPECT_EQ(plainAnswer, PROBE_RESULT);
    EXPECT_EQ(ownStored, OWN_RESULT);
    EXPECT_EQ(ownAnswer, OWN_RESULT);
}

// Left alone, the colour message is answered FALSE, keeping the platform's colours.
// FALSE is asked of the layer's own procedure straight, since the platform's
// default handling would otherwise answer for it.
TEST(ModalRun, ColourMessageIsAnsweredFalseUnlessTheHandlerGivesABrush) {
    const auto brush = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_HIGHLIGHT));
    for (const INT_PTR given : {INT_PTR{FALSE}, brush}) {
        SCOPED_TRACE(given);
        HWND dialog = NewTestDialog();
        HWND label = ControlAdd(dialog, LABEL_ID, "x", 1, 1, 20, 8, 0, 0, ControlKind::Label);
        ASSERT_NE(label, nullptr);
        INT_PTR answer = -1;
        RunModal(
            dialog,
            [&](HWND d) {
                HDC dc = GetDC(label);
                const auto wParam = reinterpret_cast<WPARAM>(dc);
                const auto lParam = reinterpret_cast<LPARAM>(label);
                const auto straight = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(d, DWLP_DLGPROC));
                answer = given == FALSE ? straight(d, WM_CTLCOLORSTATIC, wParam, lParam)
                                        : SendMessageA(d, WM_CTLCOLORSTATIC, wParam, lParam);
                ReleaseDC(label, dc);
                EndNow(d);
            },
            [&](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR {
                return message == WM_CTLCOLORSTATIC ? given : 0;
            });
        EXPECT_EQ(answer, given);
    }
}

// A button's handler runs a message box; while it is open, a timer ends the
// dialog. The handler returns into a procedure whose dialog is gone.
TEST(ModalRun, EndingFromInsideANestedLoopIsSafe) {
    HWND dialog = NewTestDialog();
    bool boxReturned = false;
    const ModalRun run = RunModal(
        dialog,
        [&](HWND d) {
            SetTimer(d, NESTED_TIMER_ID, NESTED_TIMER_MS, nullptr);
            MessageBoxA(nullptr, "waiting", NESTED_BOX_CAPTION, MB_OK);
            boxReturned = true;
        },
        [](HWND d, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
            if (message == WM_TIMER && wParam == NESTED_TIMER_ID) {
                KillTimer(d, NESTED_TIMER_ID);
                EndNow(d);
                PostMessageA(FindWindowA(nullptr, NESTED_BOX_CAPTION), WM_COMMAND, IDOK, 0);
            }
            return 0;
        },
        UNTOUCHED);
    EXPECT_TRUE(boxReturned);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.endValue, END_VALUE);
    EXPECT_FALSE(IsWindow(dialog));
}

TEST(ModalRun, NoDialogReturnsAtOnceAndARunWithoutHandlerEndsByTheCloseBox) {
    int32_t endValue = UNTOUCHED;
    DialogShowModal(nullptr, nullptr, &endValue);
    EXPECT_EQ(endValue, UNTOUCHED);
    HWND dialog = NewTestDialog();
    GuardedDialog = dialog;
    GuardFired = false;
    const UINT_PTR guard = SetTimer(nullptr, 0, MODAL_SAFETY_MS, DestroyGuarded);
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    DialogShowModal(dialog, nullptr, &endValue);
    KillTimer(nullptr, guard);
    EXPECT_FALSE(GuardFired);
    EXPECT_EQ(endValue, 0);
    EXPECT_FALSE(IsWindow(dialog));
}
