#include "settings/win32_file_system.h"

#include <windows.h>

#include <algorithm>

#include "settings/errors.h"
#include "settings/system_error_text.h"
#include "settings/win32_text.h"

namespace settings {
namespace {

class UniqueFile {
public:
    explicit UniqueFile(HANDLE handle) : handle_(handle) {}
    ~UniqueFile()
    {
        if (valid()) CloseHandle(handle_);
    }
    UniqueFile(const UniqueFile&) = delete;
    UniqueFile& operator=(const UniqueFile&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close()
    {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_;
};

constexpr DWORD largest_chunk = 1u << 20;

bool write_all(HANDLE file, std::string_view content)
{
    while (!content.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), largest_chunk));
        DWORD written = 0;
        if (!WriteFile(file, content.data(), chunk, &written, nullptr)) return false;
        content.remove_prefix(written);
    }
    return true;
}

}  // namespace

std::string win32_error_text(unsigned long error)
{
    wchar_t buffer[256];
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        error, 0, buffer, static_cast<DWORD>(std::size(buffer)), nullptr);
    return trim_system_error_text(narrow(std::wstring_view(buffer, length)));
}

std::optional<std::string> Win32FileSystem::read_file(const std::string& path)
{
    // Others may read the file meanwhile, but nobody may change it.
    UniqueFile file(CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
        throw EFOpenError(path, win32_error_text(error));
    }

    std::string content;
    char buffer[4096];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
            throw EFOpenError(path, win32_error_text(GetLastError()));
        }
        if (got == 0) break;
        content.append(buffer, got);
    }
    return content;
}

void Win32FileSystem::replace_file(const std::string& path, std::string_view content)
{
    const std::string temporary = temporary_path_for(path);
    const std::wstring wide_temporary = widen(temporary);
    UniqueFile file(CreateFileW(wide_temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        // A folder where the user may not create files can still hold a
        // system.ini that the user may write: only there is the file
        // rewritten in place.
        write_in_place(path, content);
        return;
    }

    const bool complete = write_all(file.get(), content) && FlushFileBuffers(file.get());
    if (!file.close() || !complete) {
        DeleteFileW(wide_temporary.c_str());
        throw EWriteError();
    }

    try {
        move_into_place(temporary, path);
    } catch (...) {
        DeleteFileW(wide_temporary.c_str());
        throw;
    }
}

void Win32FileSystem::write_in_place(const std::string& path, std::string_view content)
{
    UniqueFile file(CreateFileW(widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    if (!file.valid()) throw EFCreateError(path, win32_error_text(GetLastError()));
    const bool complete = write_all(file.get(), content) && FlushFileBuffers(file.get());
    if (!file.close() || !complete) throw EWriteError();
}

void Win32FileSystem::move_into_place(const std::string& temporary, const std::string& path)
{
    if (!MoveFileExW(widen(temporary).c_str(), widen(path).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        throw EFCreateError(path, win32_error_text(GetLastError()));
    }
}

}  // namespace settings
