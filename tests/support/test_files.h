// Files and folders for tests that place programs somewhere on purpose: fresh
// temporary folders, copies, reading a file whole, and removal afterwards. Paths
// below a temporary folder may exceed MAX_PATH: those calls go through the "\\?\" form.
#pragma once

#include <windows.h>

#include <string>

namespace testfiles {

// A new empty folder under the temporary directory, without trailing "\"; empty on failure.
std::string MakeTempFolder();

// Creates `path` and every missing parent (absolute "X:\..." paths).
bool MakeFolders(const std::string& path);

bool CopyTo(const std::string& source, const std::string& target);

bool Exists(const std::string& path);

// The file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path);

bool WriteBytes(const std::string& path, const std::string& bytes);

// Deletes the folder and everything in it.
void RemoveTree(const std::string& path);

} // namespace testfiles
