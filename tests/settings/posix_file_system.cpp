#include "tests/settings/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "settings/errors.h"
#include "platform/error_text.h"

namespace settings {
namespace {

std::string system_error_text(int error)
{
    return platform::trim_error_text(std::strerror(error));
}

class UniqueFd {
public:
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return fd_; }
    // Closing can report a write that failed late (a full disk on NFS).
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool write_all(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string directory_of(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A rename is durable only once the directory entry is on disk; failing
// here loses nothing, so it is not reported.
void sync_directory_of(const std::string& path)
{
    UniqueFd directory(::open(directory_of(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0) ::fsync(directory.get());
}

}  // namespace

std::optional<std::string> PosixFileSystem::read_file(const std::string& path)
{
    UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
        throw EFOpenError(path, system_error_text(errno));
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) throw EFOpenError(path, system_error_text(errno));
    if (S_ISDIR(status.st_mode)) throw EFOpenError(path, system_error_text(EISDIR));

    std::string content;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw EFOpenError(path, system_error_text(errno));
        }
        if (got == 0) break;
        content.append(buffer, static_cast<std::size_t>(got));
    }
    return content;
}

void PosixFileSystem::replace_file(const std::string& path, std::string_view content)
{
    // A rename would replace a file that the user made read-only; Windows
    // refuses that, and so do we.
    struct stat old_status {};
    const bool exists = ::stat(path.c_str(), &old_status) == 0;
    if (exists) {
        UniqueFd probe(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
        if (probe.get() < 0) throw EFCreateError(path, system_error_text(errno));
    }

    const std::string temporary = temporary_path_for(path);
    UniqueFd file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (file.get() < 0) {
        // A folder where the user may not create files can still hold a
        // system.ini that the user may write: only there is the file
        // rewritten in place.
        write_in_place(path, content);
        return;
    }
    if (exists) ::fchmod(file.get(), old_status.st_mode & 07777);

    const bool complete = write_all(file.get(), content) && ::fsync(file.get()) == 0;
    if (!file.close() || !complete) {
        ::unlink(temporary.c_str());
        throw EWriteError();
    }

    try {
        move_into_place(temporary, path);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    sync_directory_of(path);
}

void PosixFileSystem::write_in_place(const std::string& path, std::string_view content)
{
    UniqueFd file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (file.get() < 0) throw EFCreateError(path, system_error_text(errno));
    const bool complete = write_all(file.get(), content) && ::fsync(file.get()) == 0;
    if (!file.close() || !complete) throw EWriteError();
}

void PosixFileSystem::move_into_place(const std::string& temporary, const std::string& path)
{
    if (std::rename(temporary.c_str(), path.c_str()) != 0) throw EFCreateError(path, system_error_text(errno));
}

}  // namespace settings
