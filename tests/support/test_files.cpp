#include "test_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace testfiles {

namespace {

// The "\\?\" form lifts MAX_PATH only for the wide-character calls (Wine's ANSI
// calls convert the name through a MAX_PATH buffer first, as Windows' do unless
// long paths are enabled); std::filesystem makes the wide calls.
constexpr wchar_t LONG_PATH_PREFIX[] = L"\\\\?\\";
constexpr char FOLDER_NAME_PREFIX[] = "sorvane-test-";
constexpr int MAX_FOLDER_ATTEMPTS = 100;

// Names are in the ANSI code page, as the tests' other calls take them.
fs::path Long(const std::string& path) {
    const int length =
        MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(), length);
    return fs::path(LONG_PATH_PREFIX + wide);
}

} // namespace

std::string MakeTempFolder() {
    char base[MAX_PATH + 1] = {};
    static int counter = 0;
    for (int attempt = 0; GetTempPathA(sizeof(base), base) != 0 && attempt < MAX_FOLDER_ATTEMPTS;
         ++attempt) {
        const std::string folder = base +
                                   (FOLDER_NAME_PREFIX + std::to_string(GetCurrentProcessId())) +
                                   "-" + std::to_string(++counter);
        if (CreateDirectoryA(folder.c_str(), nullptr)) {
            return folder;
        }
    }
    return {};
}

bool MakeFolders(const std::string& path) {
    std::error_code error;
    fs::create_directories(Long(path), error);
    return fs::is_directory(Long(path), error);
}

bool CopyTo(const std::string& source, const std::string& target) {
    std::error_code error;
    return fs::copy_file(Long(source), Long(target), fs::copy_options::overwrite_existing, error);
}

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(Long(path), error);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(Long(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(Long(path), std::ios::binary);
    file << bytes;
    return file.good();
}

void RemoveTree(const std::string& path) {
    std::error_code error;
    if (!path.empty()) {
        fs::remove_all(Long(path), error);
    }
}

} // namespace testfiles
