#include "test_files.h"

namespace testfiles {

namespace {

// The "\\?\" form lifts MAX_PATH only for the wide-character calls (Wine's ANSI
// calls convert the name through a MAX_PATH buffer first, as Windows' do unless
// long paths are enabled), so these helpers convert and call the W functions.
constexpr wchar_t LONG_PATH_PREFIX[] = L"\\\\?\\";
constexpr char SEPARATOR = '\\';
constexpr char FOLDER_NAME_PREFIX[] = "sorvane-test-";
constexpr int MAX_FOLDER_ATTEMPTS = 100;
// "X:\" is the shortest absolute path; its own separator is no parent to create.
constexpr size_t DRIVE_ROOT_LENGTH = 3;

std::wstring Long(const std::string& path) {
    const int length =
        MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(), length);
    return LONG_PATH_PREFIX + wide;
}

std::string Narrow(const wchar_t* wide) {
    const int length = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        return {};
    }
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow.data(), length, nullptr, nullptr);
    narrow.resize(static_cast<size_t>(length) - 1);
    return narrow;
}

DWORD WINAPI RunWork(LPVOID parameter) {
    auto* work = static_cast<std::function<void()>*>(parameter);
    (*work)();
    delete work;
    return 0;
}

} // namespace

std::string MakeTempFolder() {
    char base[MAX_PATH + 1] = {};
    if (GetTempPathA(sizeof(base), base) == 0) {
        return {};
    }
    static int counter = 0;
    for (int attempt = 0; attempt < MAX_FOLDER_ATTEMPTS; ++attempt) {
        const std::string folder = std::string(base) + FOLDER_NAME_PREFIX +
                                   std::to_string(GetCurrentProcessId()) + "-" +
                                   std::to_string(++counter);
        if (CreateDirectoryW(Long(folder).c_str(), nullptr)) {
            return folder;
        }
    }
    return {};
}

bool MakeFolders(const std::string& path) {
    for (size_t at = path.find(SEPARATOR, DRIVE_ROOT_LENGTH); at != std::string::npos;
         at = path.find(SEPARATOR, at + 1)) {
        CreateDirectoryW(Long(path.substr(0, at)).c_str(), nullptr);
    }
    return CreateDirectoryW(Long(path).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool CopyTo(const std::string& source, const std::string& target) {
    return CopyFileW(Long(source).c_str(), Long(target).c_str(), FALSE) != 0;
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(Long(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadBytes(const std::string& path) {
    HANDLE file = CreateFileW(Long(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string bytes;
    const DWORD size = GetFileSize(file, nullptr);
    if (size != INVALID_FILE_SIZE) {
        bytes.resize(size);
        DWORD read = 0;
        ReadFile(file, bytes.data(), size, &read, nullptr);
        bytes.resize(read);
    }
    CloseHandle(file);
    return bytes;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

void RemoveTree(const std::string& path) {
    if (path.empty()) {
        return;
    }
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(Long(path + SEPARATOR + "*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = Narrow(entry.cFileName);
            if (name == "." || name == "..") {
                continue;
            }
            const std::string child = path + SEPARATOR + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                DeleteFileW(Long(child).c_str());
            }
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(Long(path).c_str());
}

HANDLE RunOnThread(const std::function<void()>& work) {
    auto* copy = new std::function<void()>(work);
    HANDLE thread = CreateThread(nullptr, 0, RunWork, copy, 0, nullptr);
    if (thread == nullptr) {
        delete copy;
    }
    return thread;
}

bool CallWithin(const std::function<void()>& work, DWORD timeoutMs) {
    HANDLE thread = RunOnThread(work);
    if (thread == nullptr) {
        return false;
    }
    const bool finished = WaitForSingleObject(thread, timeoutMs) == WAIT_OBJECT_0;
    CloseHandle(thread);
    return finished;
}

} // namespace testfiles
