// The figures the driver measures, one function each, and how they start and
// close the programs they measure. Every figure prints "SAMPLE <name> <value>"
// per run and "RESULT <name> <value>" for its median or its final value; the
// bench command turns those into the table.
#pragma once

#include "drive.h"

#include <string>

namespace perf {

// The stand-in holding 28,000 characters of practice copy: more than the
// companion reads, so every refresh tick reads its most.
constexpr char FULL_TEXT_ARGUMENTS[] = "--fill 28000";

struct DriverOptions {
    std::string sorvane;    // Sorvane.exe
    std::string standin;    // the stand-in trainer
    std::string bareDialog; // floor programs
    std::string barePoller;
    std::string textOut; // where the compare figure leaves the text for the edit-fill floor
    std::string figureName = "compare";
    int runs = 5;
    int idleSeconds = 10;
    int soakSeconds = 500;
    int soakPresses = 1000;
    int soakChars = 1000;
    int unbrokenChars = 0; // when set, the compare trainer holds one paragraph this long
};

int StartupFigure(const DriverOptions& options);
int IdleFigure(const DriverOptions& options);
int CompareFigure(const DriverOptions& options);
int SoakFigure(const DriverOptions& options);

struct Running {
    drive::Process process;
    HWND window = nullptr;
    int linuxPid = 0;
};

// Starts `exePath` with `arguments` and waits until its top-level window with
// `caption` is visible. Returns the milliseconds from just before process
// creation to that moment, negative when the window did not show in time.
double StartTimed(const std::string& exePath, const std::string& arguments,
                  const std::string& caption, Running* running);

// The same, untimed; also finds the Linux process. False when any step failed.
bool StartProgram(const std::string& exePath, const std::string& arguments,
                  const std::string& caption, Running* running);

// Closes the window as a user would (close box), waits for the process to end
// and kills it if it does not.
void CloseProgram(Running* running);

} // namespace perf
