// The settings file on Windows, through the wide-character file API so that
// any path works whatever the ANSI code page.
#pragma once

#include "settings/file_system.h"

namespace settings {

class Win32FileSystem : public FileSystem {
public:
    std::optional<std::string> read_file(const std::string& path) override;
    void replace_file(const std::string& path, std::string_view content) override;

protected:
    // The last step of a replacement: the complete temporary file takes the
    // place of the old one.
    virtual void move_into_place(const std::string& temporary, const std::string& path);

private:
    // Truncates and rewrites the file itself, flushed: for a folder that
    // allows no temporary file beside it.
    static void write_in_place(const std::string& path, std::string_view content);
};

}  // namespace settings
