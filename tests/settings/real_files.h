// Real files in a fresh directory, and the platform's own file system and
// code-page-936 conversion, for tests that compare the bytes on disk.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>

#include "settings/code_page.h"
#include "settings/file_system.h"
#include "settings/ini_store.h"

#ifdef _WIN32
#include "settings/win/code_page.h"
#include "settings/win/file_system.h"
#else
#include "tests/settings/iconv_code_page.h"
#include "tests/settings/posix_file_system.h"
#endif

namespace settings_test {

#ifdef _WIN32
using NativeFileSystem = settings::Win32FileSystem;
inline std::unique_ptr<settings::CodePage> code_page_936()
{
    return std::make_unique<settings::Win32AnsiCodePage>(936u);
}
#else
using NativeFileSystem = settings::PosixFileSystem;
inline std::unique_ptr<settings::CodePage> code_page_936()
{
    return std::make_unique<settings::IconvCodePage>("CP936");
}
#endif

// A directory of its own for each test, removed afterwards.
class TemporaryDirectory {
public:
    TemporaryDirectory()
    {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("tidyset-settings-" + std::to_string(random()) + "-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TemporaryDirectory()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void write_bytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string read_bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The store as the dialog has it, on a code-page-936 system.
inline settings::IniStore store_for(const std::string& path)
{
    settings::IniStore store(std::make_unique<NativeFileSystem>(), code_page_936());
    store.set_path(path);
    return store;
}

}  // namespace settings_test
