// Memory running out in the middle of the window's work. This program's own
// operator new fails on demand, so the product's text operations meet a real
// std::bad_alloc: they must give the empty text, let nothing unwind out of the
// event handler, and leave a window that works as before once memory is back.
// The trainer is a window of this process with the trainer's caption and text
// class, so its text is read through the same WM_GETTEXT as across processes.
#include "dialog_layer.h"
#include "main_dialog_callback.h"
#include "main_window.h"
#include "main_window_build.h"
#include "trainer_link.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

namespace {

bool allocationsFail = false;

// Longer than any text a std::string holds without the heap.
constexpr size_t TEXT_CHARS = 1000;
constexpr char MATCH_LINE_FOR_TEXT[] = " 1000 characters match to first error";
constexpr char STATIC_CLASS[] = "STATIC";

class OutOfMemory : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSA textClass{};
        textClass.lpfnWndProc = DefWindowProcA;
        textClass.hInstance = GetModuleHandleA(nullptr);
        textClass.lpszClassName = TRAINER_TEXT_CLASS;
        RegisterClassA(&textClass);
        trainer_ = CreateWindowExA(0, STATIC_CLASS, TRAINER_CAPTION, WS_OVERLAPPED, 0, 0, 0, 0,
                                   nullptr, nullptr, nullptr, nullptr);
        CreateWindowExA(0, TRAINER_TEXT_CLASS, text_.c_str(), WS_CHILD, 0, 0, 0, 0, trainer_,
                        nullptr, nullptr, nullptr);
        BuildMainWindow();
        ControlSetText(MainDialog, ID_TYPED_TEXT, text_);
    }
    // The event handler, which would release these, is only called here.
    void TearDown() override {
        DestroyWindow(MainDialog);
        DestroyWindow(trainer_);
        DeleteObject(TextFont);
        TextFont = nullptr;
        UnregisterClassA(TRAINER_TEXT_CLASS, GetModuleHandleA(nullptr));
    }

    static void Handle(UINT message, WPARAM wParam) {
        MainDialogCallback(MainDialog, message, wParam, 0);
    }

    const std::string text_ = std::string(TEXT_CHARS, 'E');
    HWND trainer_ = nullptr;
};

} // namespace

void* operator new(std::size_t size) {
    if (!allocationsFail) {
        if (void* block = std::malloc(size == 0 ? 1 : size)) {
            return block;
        }
    }
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

TEST_F(OutOfMemory, TextsComeBackEmptyAndTheWindowWorksOnceMemoryIsBack) {
    ASSERT_NE(MainDialog, nullptr);
    ASSERT_EQ(ReadTransmittedText(), text_);
    ASSERT_EQ(ControlGetText(MainDialog, ID_TYPED_TEXT), text_);
    Handle(WM_TIMER, TIMER_REFRESH);
    ASSERT_EQ(LatestTransmission, text_);

    allocationsFail = true;
    const std::string read = ReadTransmittedText();
    const std::string box = ControlGetText(MainDialog, ID_TYPED_TEXT);
    Handle(WM_TIMER, TIMER_REFRESH);
    const bool latestEmptied = LatestTransmission.empty();
    Handle(WM_COMMAND, MAKEWPARAM(ID_COMPARE, BN_CLICKED));
    allocationsFail = false;

    EXPECT_EQ(read, "");
    EXPECT_EQ(box, "");
    EXPECT_TRUE(latestEmptied);
    // Compare met empty texts and had no memory for its line either.
    EXPECT_EQ(ControlGetText(MainDialog, ID_STATUS_LINE), "");

    Handle(WM_TIMER, TIMER_REFRESH);
    EXPECT_EQ(LatestTransmission, text_);
    Handle(WM_COMMAND, MAKEWPARAM(ID_COMPARE, BN_CLICKED));
    EXPECT_EQ(ControlGetText(MainDialog, ID_TRANSMITTED_TEXT), text_);
    EXPECT_EQ(ControlGetText(MainDialog, ID_STATUS_LINE), MATCH_LINE_FOR_TEXT);
}
