// What the settings store needs of the file system.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace settings {

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The file's whole content, or std::nullopt when there is no such file.
    // Throws EFOpenError when it exists but cannot be read.
    virtual std::optional<std::string> read_file(const std::string& path) = 0;

    // Replaces the file's content in one step: the new content goes to a
    // temporary file beside it, and only a complete one takes the file's
    // place, so a crash or a full disk never leaves a cut file behind. Where
    // the folder forbids creating the temporary file, the file is rewritten
    // in place instead, flushed.
    // Throws EFCreateError when the file cannot be created or replaced, and
    // EWriteError when writing the content fails.
    virtual void replace_file(const std::string& path, std::string_view content) = 0;
};

// Where the new content waits until it is complete.
inline std::string temporary_path_for(const std::string& path) { return path + ".tmp"; }

}  // namespace settings
