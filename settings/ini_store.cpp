#include "settings/ini_store.h"

#include "settings/flag_value.h"
#include "settings/ini_text.h"

namespace settings {

IniStore::IniStore(std::unique_ptr<FileSystem> files, std::unique_ptr<CodePage> code_page)
    : files_(std::move(files)), code_page_(std::move(code_page))
{
}

void IniStore::set_path(const std::string& path)
{
    if (path == path_) return;
    path_ = path;
    opened_ = false;
}

std::string IniStore::read_string(std::string_view section, std::string_view key, std::string_view default_value)
{
    open();
    if (auto value = find_value(content_, section, key)) return std::move(*value);
    return std::string(default_value);
}

bool IniStore::read_bool(std::string_view section, std::string_view key, bool default_value)
{
    open();
    const auto value = find_value(content_, section, key);
    if (!value) return default_value;
    return parse_flag(*value).value_or(default_value);
}

void IniStore::write_string(std::string_view section, std::string_view key, std::string_view value)
{
    open();
    set_value(content_, section, key, value);
}

void IniStore::write_bool(std::string_view section, std::string_view key, bool value)
{
    write_string(section, key, flag_text(value));
}

void IniStore::update_file()
{
    open();
    files_->replace_file(path_, format_ini(content_, *code_page_));
}

void IniStore::open()
{
    if (opened_) return;
    const auto bytes = files_->read_file(path_);
    content_ = bytes ? parse_ini(*bytes, *code_page_) : IniContent();
    opened_ = true;
}

}  // namespace settings
