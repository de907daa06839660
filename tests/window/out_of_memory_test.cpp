// Memory running out in the middle of the window's work. This program's own
// operator new fails on demand on the window's thread, so the product meets a
// real std::bad_alloc. The window runs its real modal loop while a driver thread
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
#include "trainer_link.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <thread>

namespace {

// Allocations fail on this thread only; 0 for none.
std::atomic<DWORD> failingThread{0};

// Longer than any text a std::string holds without the heap.
constexpr size_t TEXT_CHARS = 1000;
constexpr char MATCH_LINE_FOR_TEXT[] = " 1000 characters match to first error";
constexpr char RUNNING_NOTICE[] = "Koch Trainer is RUNNING";
constexpr char STATIC_CLASS[] = "STATIC";
constexpr char NO_CAPTION[] = "";
constexpr UINT SEND_WAIT_MS = 10000;

// Memory is out on the calling thread for as long as this lives.
struct MemoryOut {
    MemoryOut() { failingThread = GetCurrentThreadId(); }
    ~MemoryOut() { failingThread = 0; }
    MemoryOut(const MemoryOut&) = delete;
    MemoryOut& operator=(const MemoryOut&) = delete;
};

// What the driver saw, read from its own thread, where memory never runs out.
struct Seen {
    bool sendsAnswered = true;
    std::string statusAfterRun, statusAfterRunWithoutTrainer, textsAfterBegin, textsAfterErase;
    std::string statusAfterCompare, statusAfterClearTick, box101AfterTick, statusAfterTick;
    bool quit = false;
};

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
    }
    // The handler releases the font and timers when the window goes; not the trainer.
    void TearDown() override {
        DestroyWindow(MainDialog);
        DestroyWindow(trainer_);
        UnregisterClassA(TRAINER_TEXT_CLASS, GetModuleHandleA(nullptr));
    }

    // Sent as the system or a user would deliver it, with a bounded wait.
    void Send(HWND window, UINT message, WPARAM wParam, const char* text = nullptr) {
        DWORD_PTR ignored = 0;
        seen_.sendsAnswered &=
            SendMessageTimeoutA(window, message, wParam, reinterpret_cast<LPARAM>(text),
                                SMTO_NORMAL, SEND_WAIT_MS, &ignored) != 0;
    }
    void Press(int id) { Send(GetDlgItem(MainDialog, id), BM_CLICK, 0); }
    void Tick(UINT_PTR timer) { Send(MainDialog, WM_TIMER, timer); }
    void SetText(HWND window, const char* text) { Send(window, WM_SETTEXT, 0, text); }
    std::string Text(int id) const { return drive::WindowText(GetDlgItem(MainDialog, id)); }
    std::string AllTexts() const {
        return Text(ID_TRANSMITTED_TEXT) + Text(ID_TYPED_TEXT) + Text(ID_STATUS_LINE);
    }

    // Every button and both ticks with memory out on the window's thread, then
    // the same window with memory back. The window's own refresh ticks run too,
    // so what box 101 shows is checked only once memory is back.
    void Drive(DWORD windowThread) {
        failingThread = windowThread;
        Press(ID_RUN);
        seen_.statusAfterRun = Text(ID_STATUS_LINE);
        SetText(trainer_, NO_CAPTION);
        Press(ID_RUN);
        seen_.statusAfterRunWithoutTrainer = Text(ID_STATUS_LINE);
        SetText(trainer_, TRAINER_CAPTION);
        SetText(GetDlgItem(MainDialog, ID_TYPED_TEXT), text_.c_str());
        Press(ID_BEGIN);
        seen_.textsAfterBegin = AllTexts();
        Press(ID_STOP);
        SetText(GetDlgItem(MainDialog, ID_TYPED_TEXT), text_.c_str());
        Press(ID_COMPARE);
        seen_.statusAfterCompare = Text(ID_STATUS_LINE);
        SetText(GetDlgItem(MainDialog, ID_STATUS_LINE), RUNNING_NOTICE);
        Tick(TIMER_STATUS_CLEAR); // also stops the real one Run started
        seen_.statusAfterClearTick = Text(ID_STATUS_LINE);
        Tick(TIMER_REFRESH);
        Press(ID_ERASE);
        seen_.textsAfterErase = AllTexts();
        failingThread = 0;

        SetText(GetDlgItem(MainDialog, ID_TYPED_TEXT), text_.c_str());
        Tick(TIMER_REFRESH);
        Press(ID_COMPARE);
        seen_.box101AfterTick = Text(ID_TRANSMITTED_TEXT);
        seen_.statusAfterTick = Text(ID_STATUS_LINE);
        Press(ID_QUIT);
        seen_.quit = !IsWindow(MainDialog);
        if (!seen_.quit) {
            PostMessageA(MainDialog, WM_SYSCOMMAND, SC_CLOSE, 0); // ends the run all the same
        }
    }

    const std::string text_ = std::string(TEXT_CHARS, 'E');
    HWND trainer_ = nullptr;
    Seen seen_;
};

// A handler that runs out of memory on every message it is given.
INT_PTR HandlerWithoutMemory(HWND, UINT, WPARAM, LPARAM) {
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) {
    if (failingThread.load() != GetCurrentThreadId()) {
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

TEST_F(OutOfMemory, EveryButtonAndTickLeavesTheWindowWorkingAndItWorksRightOnceMemoryIsBack) {
    ASSERT_NE(MainDialog, nullptr);
    ControlSetText(MainDialog, ID_TYPED_TEXT, text_);
    std::string read = "-", box = "-";
    DWORD launched = 1;
    {
        MemoryOut out; // moving an empty text in needs no memory
        read = ReadTransmittedText();
        box = ControlGetText(MainDialog, ID_TYPED_TEXT);
        launched = LaunchTrainer();
    }
    EXPECT_EQ(read, "");
    EXPECT_EQ(box, "");
    EXPECT_EQ(launched, 0u);
    std::thread driver([this, windowThread = GetCurrentThreadId()] { Drive(windowThread); });
    DialogShowModal(MainDialog, MainDialogCallback, nullptr);
    driver.join();

    EXPECT_TRUE(seen_.sendsAnswered);
    // Setting a text needs no memory: the notice shows, and Run without a
    // trainer (whose launch had no memory) leaves it.
    EXPECT_EQ(seen_.statusAfterRun, RUNNING_NOTICE);
    EXPECT_EQ(seen_.statusAfterRunWithoutTrainer, RUNNING_NOTICE);
    EXPECT_EQ(seen_.textsAfterBegin, "");
    // Compare had no memory to read the boxes back or to form its line.
    EXPECT_EQ(seen_.statusAfterCompare, "");
    EXPECT_EQ(seen_.statusAfterClearTick, "");
    EXPECT_EQ(seen_.textsAfterErase, "");
    EXPECT_EQ(seen_.box101AfterTick, text_);
    EXPECT_EQ(seen_.statusAfterTick, MATCH_LINE_FOR_TEXT);
    EXPECT_TRUE(seen_.quit);
    EXPECT_FALSE(IsWindow(MainDialog));
}

// Whatever a handler does, running out of memory inside it never reaches the
// window system: the message counts as left alone, so the close box still closes.
TEST_F(OutOfMemory, AHandlerWithoutMemoryLeavesTheMessageToTheLayersDefaults) {
    // Waits in the queue for the modal loop, as a click on the close box would.
    PostMessageA(MainDialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    DialogShowModal(MainDialog, HandlerWithoutMemory, nullptr);
    EXPECT_FALSE(IsWindow(MainDialog));
    DeleteObject(TextFont); // this handler released nothing
}
