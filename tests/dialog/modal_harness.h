// Runs a test's own dialog modally through the dialog layer with a recording
// event handler: every message the handler sees is logged, a test step runs once
// inside the modal loop, and a safety timer ends a run that would otherwise hang.
#pragma once

#include "dialog_layer.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

struct LoggedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool visible; // whether the dialog was visible when the handler saw it
};

// What the handler answers for a message; 0 leaves it to the layer.
using HandlerReply = std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)>;
using ModalStep = std::function<void(HWND)>;

constexpr int32_t TIMED_OUT_END_VALUE = -999;
constexpr DWORD MODAL_SAFETY_MS = 10000;

struct ModalRun {
    std::vector<LoggedMessage> messages;
    int32_t endValue;
    bool timedOut;
};

// A small captioned dialog of the test's own, hidden, x = y = 10.
HWND NewTestDialog(DWORD style = 0);

// A case on a NewTestDialog made before it runs and destroyed after, unless the
// case destroyed it.
class TestDialogCase : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog_ = NewTestDialog();
        ASSERT_NE(dialog_, nullptr);
    }
    void TearDown() override {
        if (IsWindow(dialog_)) {
            DestroyWindow(dialog_);
        }
    }
    HWND dialog_ = nullptr;
};

// Runs `dialog` modally; `step` is called once from inside the loop (after the
// window is shown), `reply` answers every message when given.
ModalRun RunModal(HWND dialog, const ModalStep& step, const HandlerReply& reply = nullptr,
                  int32_t initialEndValue = 0);

// How often the handler saw `message`.
int CountMessages(const ModalRun& run, UINT message);
