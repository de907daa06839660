// What Sorvane shows and is called, written out once for tests, tools and
// benchmarks rather than taken from the program, so that a wrong constant there
// cannot agree with itself. Free of Win32, for the native benchmark too.
#pragma once

#include <cstddef>

constexpr char SORVANE_EXE_NAME[] = "Sorvane.exe";

// The status line when Run finds the trainer running, cleared two seconds later.
constexpr char RUNNING_NOTICE[] = "Koch Trainer is RUNNING";
constexpr unsigned long NOTICE_CLEARS_EARLIEST_MS = 1900;
constexpr unsigned long NOTICE_CLEARS_LATEST_MS = 5000;

// The box shown when Begin or Stop finds no trainer: its text and caption.
constexpr char NOT_RUNNING_TEXT[] = "Koch Method CW Trainer Is Not Running";
constexpr char NOT_RUNNING_CAPTION[] = "ERROR";

// The trainer as Sorvane knows it: the exact caption of its main window, and the
// file Run starts from Sorvane's own folder.
constexpr char KOCH_TRAINER_CAPTION[] = "Koch Method CW Trainer - Brenlow";
constexpr char KOCH_TRAINER_EXE_NAME[] = "KochMorseTrainer.exe";

// The most characters of the trainer's text that Sorvane reads.
constexpr size_t TRAINER_READ_LIMIT = 27999;
