// Files and folders for tests that place programs somewhere on purpose: fresh
// temporary folders, copies, reading a file whole, and removal afterwards. Paths
// may exceed MAX_PATH: every call goes through the "\\?\" form.
#pragma once

#include <windows.h>

#include <functional>
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

// Runs `work` on a thread of its own and waits at most `timeoutMs` for it.
// False when it did not finish; the thread is then left running, so `work`
// must not refer to anything that ends before the process does.
bool CallWithin(const std::function<void()>& work, DWORD timeoutMs);

// Starts `work` on a thread of its own; the caller waits on and closes the handle.
HANDLE RunOnThread(const std::function<void()>& work);

} // namespace testfiles
