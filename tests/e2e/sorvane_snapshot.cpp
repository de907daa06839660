// Plays a short practice session beside the stand-in trainer (Begin, a few
// seconds of sending, Stop, the copy typed with one character wrong, Compare),
// prints the boxes and the status line and writes Sorvane's window to a 24-bit
// BMP. Ends with 0 when the window showed what CompareTexts gives for its two
// boxes and both programs closed cleanly.
// Usage: sorvane_snapshot SORVANE_EXE TRAINER_EXE OUTPUT_BMP   (Unix or Windows paths)
#include "drive.h"
#include "box_text.h"
#include "comparison_selection.h"
#include "main_window.h"
#include "standin_client.h"
#include "text_compare.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A quick pace, so a few seconds give a line or so of practice copy, and the
// trainer's own limit, should this tool die before it closes the trainer.
constexpr char TRAINER_ARGUMENTS[] = "--pace-ms 50 --exit-after-ms 120000";
constexpr DWORD SENDING_MS = 3500;
constexpr size_t MIN_SENT_CHARACTERS = 2;
// The share of the copied characters typed right before the one mistake.
constexpr char MISTAKE = 'E';
constexpr char MISTAKE_FOR_E = 'T';
constexpr size_t MISTAKE_NUMERATOR = 2;
constexpr size_t MISTAKE_DENOMINATOR = 3;
constexpr DWORD SETTLE_MS = 1000; // lets the window paint the result before the picture
constexpr DWORD EXIT_WAIT_MS = 10000;
constexpr DWORD COMPARE_RETRY_MS = 50;
constexpr int EXPECTED_ARGUMENTS = 4;
constexpr WORD BMP_SIGNATURE = 0x4D42; // "BM"
constexpr WORD BITS_PER_PIXEL = 24;
constexpr int ROW_ALIGNMENT = 4;

struct Session {
    standin::Standin trainer;
    drive::Process sorvane;
    HWND window = nullptr;
};

bool Fail(const char* what) {
    std::fprintf(stderr, "sorvane_snapshot: %s\n", what);
    return false;
}

size_t MistakeAt(const std::string& sent) {
    return NonBlankCount(sent) * MISTAKE_NUMERATOR / MISTAKE_DENOMINATOR;
}

// What a user copies: the sent characters in lower case, line breaks typed as
// spaces, and one character at MistakeAt heard wrong.
std::string TypedCopyWithOneMistake(const std::string& sent) {
    std::string typed;
    const size_t mistakeAt = MistakeAt(sent);
    size_t seen = 0;
    for (char c : sent) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\r') {
            continue;
        }
        if (IsBlank(u)) {
            typed += ' ';
            continue;
        }
        if (seen++ == mistakeAt) {
            c = std::toupper(u) == MISTAKE ? MISTAKE_FOR_E : MISTAKE;
        }
        typed += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return typed;
}

std::string Text(const Session& session, int id) {
    return drive::WindowText(GetDlgItem(session.window, id));
}

bool WaitSending(const Session& session, bool sending) {
    return drive::WaitFor([&] { return standin::QuerySending(session.trainer.frame) == sending; });
}

// A started program's window; null when it did not start, so no other process's is found.
HWND StartedWindow(const drive::Process& process, const char* caption) {
    return process.handle ? drive::WaitTopWindow(process.id, caption) : nullptr;
}

bool Start(const std::string& sorvaneExe, const std::string& trainerExe, Session* session) {
    session->trainer.process = drive::StartProcess(trainerExe, TRAINER_ARGUMENTS);
    session->trainer.frame = StartedWindow(session->trainer.process, STANDIN_CAPTION);
    if (session->trainer.frame == nullptr) {
        return Fail("the trainer's window did not appear");
    }
    session->sorvane = drive::StartProcess(sorvaneExe);
    const HWND window = session->window = StartedWindow(session->sorvane, MAIN_DIALOG_CAPTION);
    if (window == nullptr || !drive::WaitFor([window] { return IsWindowVisible(window) != 0; })) {
        return Fail("Sorvane's window did not appear");
    }
    return true;
}

// Begin and Stop are posted: with no trainer found they would open a message box.
bool SendPractice(const Session& session, std::string* sent) {
    drive::PostClick(session.window, ID_BEGIN);
    if (!WaitSending(session, true)) {
        return Fail("Begin did not start the trainer");
    }
    drive::PumpFor(SENDING_MS);
    drive::PostClick(session.window, ID_STOP);
    if (!WaitSending(session, false)) {
        return Fail("Stop did not stop the trainer");
    }
    const HWND textWindow =
        FindWindowExA(session.trainer.frame, nullptr, STANDIN_TEXT_CLASS, nullptr);
    *sent = drive::WindowText(textWindow);
    return NonBlankCount(*sent) >= MIN_SENT_CHARACTERS || Fail("the trainer sent too little");
}

// Typed into box 102 as keystrokes, where Begin left the focus.
bool TypeCopy(const Session& session, const std::string& typed) {
    const HWND box = GetDlgItem(session.window, ID_TYPED_TEXT);
    drive::PostChars(box, typed);
    const std::string shown = ShownInBox(typed);
    return drive::WaitFor([&] { return drive::WindowText(box) == shown; }) ||
           Fail("the typed copy did not arrive in box 102");
}

// Sorvane reads the trainer every 50 ms: Compare until box 101 shows the whole text.
bool CompareAll(const Session& session, const std::string& sent) {
    const std::string shown = ShownInBox(sent);
    return drive::WaitFor([&] {
               drive::SendClick(session.window, ID_COMPARE);
               if (Text(session, ID_TRANSMITTED_TEXT) == shown) {
                   return true;
               }
               drive::PumpFor(COMPARE_RETRY_MS);
               return false;
           }) ||
           Fail("box 101 never showed what the trainer sent");
}

bool SelectionIs(const Session& session, int id, const EditSelection& want) {
    const drive::Selection got = drive::GetEditSelection(GetDlgItem(session.window, id));
    return got.start == static_cast<DWORD>(want.start) && got.end == static_cast<DWORD>(want.end);
}

// Right when the window shows what CompareTexts gives for the texts of its boxes,
// and that is the one mistake typed.
bool ResultRight(const Session& session, size_t matchedCount) {
    const CompareResult result =
        CompareTexts(Text(session, ID_TRANSMITTED_TEXT), Text(session, ID_TYPED_TEXT));
    const ComparisonSelections want = SelectionsFor(result);
    if (result.outcome != CompareOutcome::Mismatch ||
        result.matchedCount != static_cast<int32_t>(matchedCount)) {
        return Fail("the boxes do not hold one mistake where it was typed");
    }
    if (Text(session, ID_STATUS_LINE) != FormatMatchLine(result.matchedCount)) {
        return Fail("the status line is not the comparison's");
    }
    return (SelectionIs(session, ID_TRANSMITTED_TEXT, want.transmitted) &&
            SelectionIs(session, ID_TYPED_TEXT, want.typed)) ||
           Fail("the wrong character is not selected in both boxes");
}

// Bottom-up rows of 24-bit pixels from the screen, as a BMP file stores them;
// empty when they could not be read.
std::vector<BYTE> ReadPixels(const RECT& area, BITMAPINFOHEADER* header) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);
    ReleaseDC(nullptr, screen);
    *header = BITMAPINFOHEADER{
        sizeof(BITMAPINFOHEADER), width, height, 1, BITS_PER_PIXEL, BI_RGB, 0, 0, 0, 0, 0};
    const int rowBytes =
        (width * BITS_PER_PIXEL / 8 + ROW_ALIGNMENT - 1) / ROW_ALIGNMENT * ROW_ALIGNMENT;
    std::vector<BYTE> pixels(static_cast<size_t>(rowBytes) * height);
    const int rows = GetDIBits(memory, bitmap, 0, height, pixels.data(),
                               reinterpret_cast<BITMAPINFO*>(header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return rows == height && height > 0 ? pixels : std::vector<BYTE>();
}

bool WriteBmp(const std::string& path, const BITMAPINFOHEADER& header,
              const std::vector<BYTE>& pixels) {
    BITMAPFILEHEADER file{};
    file.bfType = BMP_SIGNATURE;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    const bool written = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
                         std::fwrite(&header, sizeof(header), 1, out) == 1 &&
                         std::fwrite(pixels.data(), pixels.size(), 1, out) == 1;
    return std::fclose(out) == 0 && written;
}

// Sorvane's window as the user sees it on the screen.
bool Capture(const Session& session, const std::string& bmpPath) {
    drive::PumpFor(SETTLE_MS);
    RECT area{};
    GetWindowRect(session.window, &area);
    BITMAPINFOHEADER header{};
    const std::vector<BYTE> pixels =
        area.right > area.left ? ReadPixels(area, &header) : std::vector<BYTE>();
    return (!pixels.empty() && WriteBmp(bmpPath, header, pixels)) ||
           Fail("the picture could not be written");
}

bool PlaySession(const Session& session, const std::string& bmpPath) {
    std::string sent;
    if (!SendPractice(session, &sent) || !TypeCopy(session, TypedCopyWithOneMistake(sent)) ||
        !CompareAll(session, sent)) {
        return false;
    }
    std::printf("sent:        %s\n", Text(session, ID_TRANSMITTED_TEXT).c_str());
    std::printf("typed:       %s\n", Text(session, ID_TYPED_TEXT).c_str());
    std::printf("status line: \"%s\"\n", Text(session, ID_STATUS_LINE).c_str());
    return ResultRight(session, MistakeAt(sent)) && Capture(session, bmpPath);
}

// Closes a program as its close box would, forcing it only when it does not go.
bool Close(drive::Process& process, HWND window, const char* name) {
    if (process.handle == nullptr) {
        return true; // never started
    }
    if (window != nullptr) {
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    DWORD exitCode = EXIT_FAILURE;
    const bool exited = drive::WaitExit(process, EXIT_WAIT_MS, &exitCode);
    drive::KillProcess(process);
    if (!exited || exitCode != EXIT_SUCCESS) {
        std::fprintf(stderr, "sorvane_snapshot: %s %s (exit code %lu)\n", name,
                     exited ? "ended badly" : "had to be forced", exitCode);
    }
    return exited && exitCode == EXIT_SUCCESS;
}

int Run(const std::string& sorvaneExe, const std::string& trainerExe, const std::string& bmpPath) {
    Session session;
    const bool played = Start(sorvaneExe, trainerExe, &session) && PlaySession(session, bmpPath);
    const bool sorvaneClosed = Close(session.sorvane, session.window, "Sorvane");
    const bool trainerClosed = Close(session.trainer.process, session.trainer.frame, "the trainer");
    if (played) {
        std::printf("picture:     %s\n", bmpPath.c_str());
    }
    return played && sorvaneClosed && trainerClosed ? EXIT_SUCCESS : EXIT_FAILURE;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != EXPECTED_ARGUMENTS) {
        std::fprintf(stderr, "usage: sorvane_snapshot SORVANE_EXE TRAINER_EXE OUTPUT_BMP\n");
        return EXIT_FAILURE;
    }
    const int result = Run(drive::ToWindowsPath(argv[1]), drive::ToWindowsPath(argv[2]),
                           drive::ToWindowsPath(argv[3]));
    std::fflush(stdout);
    return result;
}
