// The figures the driver measures, one function each. Every figure prints "SAMPLE <name> <value>"
// per run and "RESULT <name> <value>" for its median or its final value; the
// bench command turns those into the table.
#pragma once

#include <string>

namespace perf {

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

} // namespace perf
