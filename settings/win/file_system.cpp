#include "settings/win/file_system.h"

#include <windows.h>

#include <algorithm>

#include "settings/errors.h"
#include "platform/win/system_error.h"
#include "platform/win/text.h"
#include "platform/win/unique_handle.h"

namespace settings {
namespace {

using platform::win::system_error_text;
using platform::win::to_utf16;
using platform::win::unique_hfile;

// CreateFileW for the settings file; an empty owner when it failed.
unique_hfile open_file(const std::string& path, DWORD access, DWORD sharing, DWORD disposition)
{
    const HANDLE file = CreateFileW(to_utf16(path).c_str(), access, sharing, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    return unique_hfile(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

// Closes the file and says whether that went well: a failed close may mean
// the content never reached the disk.
bool close(unique_hfile& file) { return CloseHandle(file.release()) != 0; }

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

std::optional<std::string> Win32FileSystem::read_file(const std::string& path)
{
    // Others may read the file meanwhile, but nobody may change it.
    unique_hfile file = open_file(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (!file) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
        throw EFOpenError(path, system_error_text(error));
    }

    std::string content;
    char buffer[4096];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
            throw EFOpenError(path, system_error_text(GetLastError()));
        }
        if (got == 0) break;
        content.append(buffer, got);
    }
    return content;
}

void Win32FileSystem::replace_file(const std::string& path, std::string_view content)
{
    const std::string temporary = temporary_path_for(path);
    const std::wstring wide_temporary = to_utf16(temporary);
    unique_hfile file = open_file(temporary, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!file) {
        // A folder where the user may not create files can still hold a
        // system.ini that the user may write: only there is the file
        // rewritten in place.
        write_in_place(path, content);
        return;
    }

    const bool complete = write_all(file.get(), content) && FlushFileBuffers(file.get());
    if (!close(file) || !complete) {
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
    unique_hfile file = open_file(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!file) throw EFCreateError(path, system_error_text(GetLastError()));
    const bool complete = write_all(file.get(), content) && FlushFileBuffers(file.get());
    if (!close(file) || !complete) throw EWriteError();
}

void Win32FileSystem::move_into_place(const std::string& temporary, const std::string& path)
{
    if (!MoveFileExW(to_utf16(temporary).c_str(), to_utf16(path).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        throw EFCreateError(path, system_error_text(GetLastError()));
    }
}

}  // namespace settings
