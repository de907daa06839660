// Plays a short practice session beside the stand-in trainer (Begin, a few
// seconds of sending, Stop, the copy typed with one character wrong, Compare),
// prints the boxes and the status line and writes Sorvane's window to a 24-bit
// BMP. Ends with 0 when the window showed what the reference comparison gives
// for its two boxes and both programs closed cleanly.
// Usage: sorvane_snapshot SORVANE_EXE TRAINER_EXE OUTPUT_BMP   (Unix or Windows paths)
#include "drive.h"
#include "main_window.h"
#include "reference_compare.h"
#include "standin_client.h"

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
constexpr int32_t MIN_SENT_CHARACTERS = 2;
// The share of the copied characters typed right before the one mistake.
constexpr char MISTAKE = 'E';
constexpr char MISTAKE_FOR_E = 'T';
constexpr int32_t MISTAKE_NUMERATOR = 2;
constexpr int32_t MISTAKE_DENOMINATOR = 3;
constexpr DWORD SETTLE_MS = 1000; // lets the window paint the result before the picture
constexpr DWORD EXIT_WAIT_MS = 10000;
constexpr int EXPECTED_ARGUMENTS = 4;
constexpr WORD BMP_SIGNATURE = 0x4D42; // "BM"
constexpr WORD BITS_PER_PIXEL = 24;
constexpr int ROW_ALIGNMENT = 4;

struct Session {
    drive::Program trainer;
    drive::Program sorvane;
};

bool Fail(const char* what) {
    std::fprintf(stderr, "sorvane_snapshot: %s\n", what);
    return false;
}

int32_t MistakeAt(const std::string& sent) {
    return drive::NonBlankCount(sent) * MISTAKE_NUMERATOR / MISTAKE_DENOMINATOR;
}

// What a user copies: the sent characters in lower case, line breaks typed as
// spaces, and one character at MistakeAt heard wrong.
std::string TypedCopyWithOneMistake(const std::string& sent) {
    std::string typed;
    const int32_t mistakeAt = MistakeAt(sent);
    int32_t seen = 0;
    for (char c : sent) {
        const auto u = static_cast<unsigned char>(c);
        if (c == ' ' || c == '\n') {
            typed += ' ';
        } else if (c != '\r' && seen++ == mistakeAt) {
            typed += static_cast<char>(
                std::tolower(std::toupper(u) == MISTAKE ? MISTAKE_FOR_E : MISTAKE));
        } else if (c != '\r') {
            typed += static_cast<char>(std::tolower(u));
        }
    }
    return typed;
}

std::string Text(const Session& session, int id) {
    return drive::WindowText(GetDlgItem(session.sorvane.window, id));
}

bool WaitSending(const Session& session, bool sending) {
    return drive::WaitFor([&] { return standin::QuerySending(session.trainer.window) == sending; });
}

bool Start(const std::string& sorvaneExe, const std::string& trainerExe, Session* session) {
    session->trainer = drive::StartProgram(trainerExe, TRAINER_ARGUMENTS, STANDIN_CAPTION);
    if (session->trainer.window == nullptr) {
        return Fail("the trainer's window did not appear");
    }
    session->sorvane = drive::StartProgram(sorvaneExe, "", MAIN_DIALOG_CAPTION);
    return session->sorvane.window != nullptr || Fail("Sorvane's window did not appear");
}

// Begin and Stop are posted: with no trainer found they would open a message box.
bool SendPractice(const Session& session, std::string* sent) {
    drive::PostClick(session.sorvane.window, ID_BEGIN);
    if (!WaitSending(session, true)) {
        return Fail("Begin did not start the trainer");
    }
    drive::PumpFor(SENDING_MS);
    drive::PostClick(session.sorvane.window, ID_STOP);
    if (!WaitSending(session, false)) {
        return Fail("Stop did not stop the trainer");
    }
    *sent = standin::StandinText(session.trainer.window);
    return drive::NonBlankCount(*sent) >= MIN_SENT_CHARACTERS ||
           Fail("the trainer sent too little");
}

// Typed into box 102 as keystrokes, where Begin left the focus.
bool TypeCopy(const Session& session, const std::string& typed) {
    const HWND box = GetDlgItem(session.sorvane.window, ID_TYPED_TEXT);
    drive::PostChars(box, typed);
    const std::string shown = drive::ShownInBox(typed);
    return drive::WaitFor([&] { return drive::WindowText(box) == shown; }) ||
           Fail("the typed copy did not arrive in box 102");
}

// Right when the window shows what the reference comparison gives for the texts
// of its boxes, and that is the one mistake typed.
bool ResultRight(const Session& session, int32_t matchedCount) {
    const std::string transmitted = Text(session, ID_TRANSMITTED_TEXT);
    const std::string typed = Text(session, ID_TYPED_TEXT);
    const CompareResult result = reference::Compare(transmitted, typed);
    if (result.outcome != CompareOutcome::Mismatch || result.matchedCount != matchedCount) {
        return Fail("the boxes do not hold one mistake where it was typed");
    }
    const std::string shown = drive::ShownNow(session.sorvane.window);
    const std::string want = drive::ExpectedShown(transmitted, typed);
    return shown == want || Fail((shown + " instead of " + want).c_str());
}

bool WriteBmp(const std::string& path, const BITMAPINFOHEADER& header,
              const std::vector<BYTE>& pixels) {
    const DWORD offBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    const BITMAPFILEHEADER file{BMP_SIGNATURE, static_cast<DWORD>(offBits + pixels.size()), 0, 0,
                                offBits};
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    const bool written = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
                         std::fwrite(&header, sizeof(header), 1, out) == 1 &&
                         std::fwrite(pixels.data(), pixels.size(), 1, out) == 1;
    return std::fclose(out) == 0 && written;
}

// Sorvane's window as the user sees it on the screen, read as a BMP file stores
// it: bottom-up rows of 24-bit pixels, each padded to four bytes.
bool Capture(const Session& session, const std::string& bmpPath) {
    drive::PumpFor(SETTLE_MS);
    RECT area{};
    GetWindowRect(session.sorvane.window, &area);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    BITMAPINFOHEADER header{
        sizeof(BITMAPINFOHEADER), width, height, 1, BITS_PER_PIXEL, BI_RGB, 0, 0, 0, 0, 0};
    const int rowBytes =
        (width * BITS_PER_PIXEL / 8 + ROW_ALIGNMENT - 1) / ROW_ALIGNMENT * ROW_ALIGNMENT;
    std::vector<BYTE> pixels(width > 0 && height > 0 ? static_cast<size_t>(rowBytes) * height : 0);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);
    ReleaseDC(nullptr, screen);
    const int rows = pixels.empty()
                         ? 0
                         : GetDIBits(memory, bitmap, 0, height, pixels.data(),
                                     reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return (rows == height && !pixels.empty() && WriteBmp(bmpPath, header, pixels)) ||
           Fail("the picture could not be written");
}

bool PlaySession(const Session& session, const std::string& bmpPath) {
    std::string sent;
    if (!SendPractice(session, &sent) || !TypeCopy(session, TypedCopyWithOneMistake(sent))) {
        return false;
    }
    // Sorvane reads the trainer every 50 ms: Compare until box 101 shows the whole text.
    if (!drive::CompareUntilShown(session.sorvane.window, drive::ShownInBox(sent))) {
        return Fail("box 101 never showed what the trainer sent");
    }
    std::printf("sent:        %s\n", Text(session, ID_TRANSMITTED_TEXT).c_str());
    std::printf("typed:       %s\n", Text(session, ID_TYPED_TEXT).c_str());
    std::printf("status line: \"%s\"\n", Text(session, ID_STATUS_LINE).c_str());
    return ResultRight(session, MistakeAt(sent)) && Capture(session, bmpPath);
}

// Closes a program as its close box would, forcing it only when it does not go.
bool Close(drive::Program& program, const char* name) {
    DWORD exitCode = EXIT_SUCCESS;
    const bool exited = drive::CloseProgram(program, EXIT_WAIT_MS, &exitCode);
    if (!exited || exitCode != EXIT_SUCCESS) {
        std::fprintf(stderr, "sorvane_snapshot: %s %s (exit code %lu)\n", name,
                     exited ? "ended badly" : "had to be forced", exitCode);
    }
    return exited && exitCode == EXIT_SUCCESS;
}

int Run(const std::string& sorvaneExe, const std::string& trainerExe, const std::string& bmpPath) {
    Session session;
    const bool played = Start(sorvaneExe, trainerExe, &session) && PlaySession(session, bmpPath);
    const bool sorvaneClosed = Close(session.sorvane, "Sorvane");
    const bool trainerClosed = Close(session.trainer, "the trainer");
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
