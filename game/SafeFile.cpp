// Replacing a file through a temporary file and a rename.
#include "SafeFile.h"

#include <cerrno>
#include <chrono>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace game {

std::string ErrorText(int error) {
    return std::error_code(error, std::generic_category()).message();
}

bool WriteAll(int fd, const unsigned char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

void SyncFolder(const fs::path& folder) {
    // Failing here changes nothing that has already been written.
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

fs::path FollowLinks(const fs::path& file, std::error_code& ec) {
    constexpr int MostLinks = 40;
    fs::path path = file;
    for (int link = 0; link < MostLinks; ++link) {
        const fs::file_status status = fs::symlink_status(path, ec);
        if (!fs::is_symlink(status)) {
            if (status.type() == fs::file_type::not_found) {
                ec.clear();
            }
            return path;
        }
        const fs::path target = fs::read_symlink(path, ec);
        if (ec) {
            return path;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return path;
}

std::string TemporaryNameOf(const fs::path& target) {
    // Named after the process, so that two processes saving at once never
    // write into one file.
    return target.string() + "." + std::to_string(::getpid()) + ".tmp";
}

int OpenTemporaryFile(const std::string& name, mode_t mode) {
    constexpr int flags = O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::open(name.c_str(), flags, mode);
    if (fd < 0 && errno == EEXIST && ::unlink(name.c_str()) == 0) {
        fd = ::open(name.c_str(), flags, mode);
    }
    return fd;
}

int ReplaceFile(const fs::path& target, const std::function<bool(int)>& fill,
                const std::function<bool()>& mayReplace) {
    const std::string temporary = TemporaryNameOf(target);
    const int fd = OpenTemporaryFile(temporary, 0666);
    if (fd < 0) {
        return errno;
    }
    // A file that is replaced keeps its group and mode, as far as this
    // user may give them: a file shared with a group stays the group's.
    struct stat replaced {};
    if (::stat(target.c_str(), &replaced) == 0) {
        struct stat made {};
        if (::fstat(fd, &made) == 0 && made.st_gid != replaced.st_gid) {
            [[maybe_unused]] const int ignored =
                ::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid);
        }
        ::fchmod(fd, replaced.st_mode & 07777);
    }
    bool ok = fill(fd) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && mayReplace && !mayReplace()) {
        ok = false;
        error = ECANCELED;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return error;
    }
    SyncFolder(target.parent_path());
    return 0;
}

bool IsStaleLeftover(const fs::path& entry) {
    struct stat s {};
    if (::lstat(entry.c_str(), &s) != 0) {
        return false;
    }
    const auto touched = std::chrono::system_clock::from_time_t(s.st_mtim.tv_sec);
    return std::chrono::system_clock::now() - touched > std::chrono::minutes(1);
}

void RemoveStaleTemporaries(const fs::path& target) {
    const std::string prefix = target.filename().string() + ".";
    const std::string suffix = ".tmp";
    std::error_code ec;
    for (fs::directory_iterator entry(target.parent_path(), ec), end; !ec && entry != end;
         entry.increment(ec)) {
        const std::string name = entry->path().filename().string();
        if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) ||
            !name.ends_with(suffix)) {
            continue;
        }
        const std::string pid =
            name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
        const bool number = pid.find_first_not_of("0123456789") == std::string::npos;
        std::error_code ignored;
        if (number && entry->is_regular_file(ignored) && !entry->is_symlink(ignored) &&
            IsStaleLeftover(entry->path())) {
            fs::remove(entry->path(), ignored);
        }
    }
}

} // namespace game
