// Memory running out in the middle of the window's work. This program's own
// operator new fails on demand on one thread, so the product meets a real
// std::bad_alloc. The window runs its real modal loop while a driver thread
// presses its buttons and sends its ticks as messages, so the dialog layer is on
// every path: nothing may unwind into the window system, texts that need memory
// come back empty, and once memory is back the same window reads, compares and
// quits right. The trainer is a window of this process with the trainer's
// caption and text class, so its text is read through the same WM_GETTEXT as
// across processes.
#include "dialog_layer.h"
#include "drive.h"
#include "main_dialog_callback.h"
#include "main_window.h"
#include "main_window_build.h"
#include "sorvane_facts.h"
#include "trainer_link.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Allocations fail on this thread only; 0 for none.
std::atomic<DWORD> failingThread{0};

// Longer than any text a std::string holds without the heap.
const std::string LONG_TEXT(1000, 'E');
constexpr char STATIC_CLASS[] = "STATIC";

class OutOfMemory : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSA textClass{};
        textClass.lpfnWndProc = DefWindowProcA;
        textClass.hInstance = GetModuleHandleA(nullptr);
        textClass.lpszClassName = TRAINER_TEXT_CLASS;
        RegisterClassA(&textClass);
        trainer_ = CreateWindowExA(0, STATIC_CLASS, KOCH_TRAINER_CAPTION, WS_OVERLAPPED, 0, 0, 0, 0,
                                   nullptr, nullptr, nullptr, nullptr);
        CreateWindowExA(0, TRAINER_TEXT_CLASS, LONG_TEXT.c_str(), WS_CHILD, 0, 0, 0, 0, trainer_,
                        nullptr, nullptr, nullptr);
        BuildMainWindow();
    }
    void TearDown() override {
        DestroyWindow(MainDialog);
        DestroyWindow(trainer_);
        UnregisterClassA(TRAINER_TEXT_CLASS, GetModuleHandleA(nullptr));
    }

    // Sent as the system or a user would deliver it. One not answered fails the
    // case, also when the window has gone, which the driver does not report.
    void Send(HWND window, UINT message, WPARAM wParam, const char* text = nullptr) {
        if (!drive::SendWithin(window, message, wParam, reinterpret_cast<LPARAM>(text), nullptr)) {
            ADD_FAILURE() << "message 0x" << std::hex << message << " to "
                          << (IsWindow(window) ? "window " : "gone window ") << window
                          << " was not answered";
        }
    }
    void Press(int id) { Send(GetDlgItem(MainDialog, id), BM_CLICK, 0); }
    void SetText(int id, const char* text) {
        Send(GetDlgItem(MainDialog, id), WM_SETTEXT, 0, text);
    }
    // Read on the driver's thread, where memory never runs out.
    void Note(const char* what, int id) {
        seen_.emplace_back(what, drive::WindowText(GetDlgItem(MainDialog, id)));
    }

    // Every button and both ticks with memory out on the window's thread, then
    // the same window with memory back. The window's own refresh ticks run too,
    // so box 101 is read only once memory is back. Each step that should write
    // the status line finds it showing something else.
    void Drive(DWORD windowThread) {
        failingThread = windowThread;
        Press(ID_RUN);
        Note("status after Run", ID_STATUS_LINE);
        Send(trainer_, WM_SETTEXT, 0, "");
        Press(ID_RUN);
        Note("status after Run without the trainer", ID_STATUS_LINE);
        Send(trainer_, WM_SETTEXT, 0, KOCH_TRAINER_CAPTION);
        SetText(ID_TYPED_TEXT, LONG_TEXT.c_str());
        Press(ID_BEGIN);
        Note("box 102 after Begin", ID_TYPED_TEXT);
        Note("status after Begin", ID_STATUS_LINE);
        Press(ID_STOP);
        SetText(ID_STATUS_LINE, RUNNING_NOTICE);
        Press(ID_COMPARE);
        Note("status after Compare", ID_STATUS_LINE);
        SetText(ID_STATUS_LINE, RUNNING_NOTICE);
        Send(MainDialog, WM_TIMER, TIMER_STATUS_CLEAR); // also stops the one Run started
        Note("status after its clearing tick", ID_STATUS_LINE);
        Send(MainDialog, WM_TIMER, TIMER_REFRESH);
        SetText(ID_TYPED_TEXT, LONG_TEXT.c_str());
        Press(ID_ERASE);
        Note("box 102 after Erase", ID_TYPED_TEXT);
        failingThread = 0;
        SetText(ID_TYPED_TEXT, LONG_TEXT.c_str());
        Send(MainDialog, WM_TIMER, TIMER_REFRESH);
        Press(ID_COMPARE);
        Note("box 101 after Compare with memory back", ID_TRANSMITTED_TEXT);
        Note("status after Compare with memory back", ID_STATUS_LINE);
        Press(ID_QUIT);
        quit_ = !IsWindow(MainDialog);
        PostMessageA(MainDialog, WM_SYSCOMMAND, SC_CLOSE, 0); // ends a run Quit did not
    }

    HWND trainer_ = nullptr;
    std::vector<std::pair<std::string, std::string>> seen_;
    bool quit_ = false;
};

// A handler that runs out of memory on every message it is given.
INT_PTR HandlerWithoutMemory(HWND, UINT, WPARAM, LPARAM) {
    throw std::bad_alloc();
}

} // namespace

// Not inlined, so the compiler does not pair the std::malloc and std::free
// inside with the new and delete expressions of this file.
__attribute__((noinline)) void* operator new(std::size_t size) {
    if (failingThread.load() != GetCurrentThreadId()) {
        if (void* block = std::malloc(size == 0 ? 1 : size)) {
            return block;
        }
    }
    throw std::bad_alloc();
}

__attribute__((noinline)) void operator delete(void* block) noexcept {
    std::free(block);
}

__attribute__((noinline)) void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

TEST_F(OutOfMemory, EveryButtonAndTickLeavesTheWindowWorkingAndItWorksRightOnceMemoryIsBack) {
    ASSERT_NE(MainDialog, nullptr);
    ControlSetText(MainDialog, ID_TYPED_TEXT, LONG_TEXT);
    std::string read = "-", box = "-";
    failingThread = GetCurrentThreadId(); // moving an empty text in needs no memory
    read = ReadTransmittedText();
    box = ControlGetText(MainDialog, ID_TYPED_TEXT);
    const DWORD launched = LaunchTrainer();
    failingThread = 0;
    EXPECT_EQ(read, "");
    EXPECT_EQ(box, "");
    EXPECT_EQ(launched, 0u);

    std::thread driver([this, windowThread = GetCurrentThreadId()] { Drive(windowThread); });
    DialogShowModal(MainDialog, MainDialogCallback, nullptr);
    driver.join();
    EXPECT_TRUE(quit_);
    // Setting a text needs no memory; Compare had none to read the boxes back or
    // to form its line.
    const decltype(seen_) expected = {
        {"status after Run", RUNNING_NOTICE},
        {"status after Run without the trainer", RUNNING_NOTICE},
        {"box 102 after Begin", ""},
        {"status after Begin", ""},
        {"status after Compare", ""},
        {"status after its clearing tick", ""},
        {"box 102 after Erase", ""},
        {"box 101 after Compare with memory back", LONG_TEXT},
        {"status after Compare with memory back",
         drive::MatchLine(drive::NonBlankCount(LONG_TEXT))},
    };
    EXPECT_EQ(seen_, expected);
}

// Running out of memory inside a handler never reaches the window system: the
// message counts as left alone, so the close box, waiting in the queue, still closes.
TEST_F(OutOfMemory, AHandlerWithoutMemoryLeavesTheMessageToTheLayersDefaults) {
    PostMessageA(MainDialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    DialogShowModal(MainDialog, HandlerWithoutMemory, nullptr);
    EXPECT_FALSE(IsWindow(MainDialog));
    DeleteObject(TextFont); // this handler released nothing
}
