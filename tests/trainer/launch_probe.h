// What launch_probe.exe and the tests that run it agree on: where CMake hands
// over its path, and the keys of the lines it writes.
#pragma once

constexpr char PROBE_VARIABLE[] = "LAUNCH_PROBE_EXE";
constexpr char PROBE_NAME[] = "launch_probe.exe";
constexpr char PROBE_DIRECTORY_KEY[] = "directory=";
constexpr char PROBE_PROCESS_KEY[] = "process=";
constexpr char PROBE_ERROR_MODE_KEY[] = "error mode=";
