// The settings store: the file read once into memory, looked up and changed
// there, and written back whole by update_file().
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "settings/code_page.h"
#include "settings/file_system.h"
#include "settings/ini_content.h"

namespace settings {

class IniStore {
public:
    IniStore(std::unique_ptr<FileSystem> files, std::unique_ptr<CodePage> code_page);

    // A path other than the current one makes the next operation read the
    // file anew.
    void set_path(const std::string& path);
    const std::string& path() const { return path_; }

    // The first of these after set_path opens the store: the file is read
    // whole, or the store starts empty when there is no file. A failed open
    // raises EFOpenError and leaves the store unopened, so the next
    // operation tries again.
    std::string read_string(std::string_view section, std::string_view key, std::string_view default_value);
    // A missing key, an empty value or one that is no integer gives the default.
    bool read_bool(std::string_view section, std::string_view key, bool default_value);
    // Changes the content in memory only.
    void write_string(std::string_view section, std::string_view key, std::string_view value);
    void write_bool(std::string_view section, std::string_view key, bool value);

    // Writes the whole content to the file, replacing it in one step; the old
    // file stays whole when this fails. Raises EFOpenError, EFCreateError or
    // EWriteError.
    void update_file();

    const IniContent& content() const { return content_; }

private:
    void open();

    std::unique_ptr<FileSystem> files_;
    std::unique_ptr<CodePage> code_page_;
    std::string path_;
    bool opened_ = false;
    IniContent content_;
};

}  // namespace settings
