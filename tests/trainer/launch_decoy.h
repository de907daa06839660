// The trap for an unquoted launch: launch_decoy.exe planted as "Sor.exe" in the
// parent of a folder named "Sor vane", where CreateProcess would find it first
// for an unquoted "...\Sor vane\KochMorseTrainer.exe". If it runs, it leaves
// "<its own path>.ran" beside itself.
#pragma once

// Environment variable through which CMake hands tests the decoy's path.
constexpr char DECOY_VARIABLE[] = "LAUNCH_DECOY_EXE";
constexpr char DECOY_SPACED_FOLDER[] = "Sor vane";
constexpr char DECOY_NAME[] = "Sor.exe";
constexpr char DECOY_MARKER_EXTENSION[] = ".ran";
