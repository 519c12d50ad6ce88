// Replacing a file through a temporary file and a rename.
#include "SafeFile.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <climits>
#include <random>
#include <string_view>

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

namespace {

constexpr std::string_view Letters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t TemporaryLetters = 10;

// The error of a link that another user made, which is not followed.
class ForeignLinkCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "foreign link"; }
    std::string message(int) const override {
        return "a link that another user made was not followed";
    }
};

std::error_code ForeignLink() {
    static const ForeignLinkCategory category;
    return {1, category};
}

// Whether this user may follow the link `link` found at `path`: one this
// user or the owner of the folder that holds it made, as the system itself
// rules in folders that everybody may write.
bool MayFollow(const struct stat& link, const fs::path& path) {
    if (link.st_uid == ::geteuid()) {
        return true;
    }
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    struct stat holder {};
    return ::stat(folder.c_str(), &holder) == 0 && holder.st_uid == link.st_uid;
}

} // namespace

fs::path FollowLinks(const fs::path& file, std::error_code& ec) {
    constexpr int MostLinks = 40;
    fs::path path = file;
    for (int link = 0; link < MostLinks; ++link) {
        // The link judged is the link read: it is held open meanwhile, as
        // another user may put a link of theirs at the name at any moment.
        const int held = ::open(path.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        if (held < 0) {
            if (errno != ENOENT) {
                ec.assign(errno, std::generic_category());
            }
            return path;
        }
        struct stat found {};
        const bool isLink = ::fstat(held, &found) == 0 && S_ISLNK(found.st_mode);
        const bool mayFollow = isLink && MayFollow(found, path);
        std::array<char, PATH_MAX> text{};
        const ssize_t got = mayFollow ? ::readlinkat(held, "", text.data(), text.size()) : 0;
        const int error = errno;
        ::close(held);
        if (!isLink) {
            return path;
        }
        if (!mayFollow) {
            ec = ForeignLink();
            return path;
        }
        if (got < 0 || static_cast<std::size_t>(got) == text.size()) {
            ec.assign(got < 0 ? error : ENAMETOOLONG, std::generic_category());
            return path;
        }
        const fs::path target(std::string(text.data(), static_cast<std::size_t>(got)));
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return path;
}

std::string RandomLetters(int count) {
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, Letters.size() - 1);
    std::string picked;
    for (int i = 0; i < count; ++i) {
        picked += Letters[pick(random)];
    }
    return picked;
}

int MakeTemporaryFile(const fs::path& target, mode_t mode, std::string& name) {
    constexpr int flags = O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target.string() + "." + RandomLetters(TemporaryLetters) + ".tmp";
        const int fd = ::open(name.c_str(), flags, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

int ReplaceFile(const fs::path& target, const std::function<bool(int)>& fill,
                const std::function<bool()>& mayReplace) {
    std::string temporary;
    const int fd = MakeTemporaryFile(target, 0666, temporary);
    if (fd < 0) {
        return errno;
    }
    // A file that is replaced keeps its group and mode, as far as this
    // user may give them: a file shared with a group stays the group's.
    struct stat replaced {};
    if (::lstat(target.c_str(), &replaced) == 0 && S_ISREG(replaced.st_mode)) {
        struct stat made {};
        if (::fstat(fd, &made) == 0 && made.st_gid != replaced.st_gid) {
            [[maybe_unused]] const int ignored =
                ::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid);
        }
        ::fchmod(fd, replaced.st_mode & 0777);
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

FolderProbe ProbeBeside(const fs::path& target, mode_t mode) {
    FolderProbe probe;
    std::string name;
    const int fd = MakeTemporaryFile(target, 0600, name);
    if (fd < 0) {
        return probe;
    }
    struct stat made {};
    const bool modeGiven = ::fchmod(fd, mode) == 0;
    if (::fstat(fd, &made) == 0) {
        probe.ClockAhead = std::chrono::system_clock::now().time_since_epoch() -
                           std::chrono::seconds(made.st_mtim.tv_sec) -
                           std::chrono::nanoseconds(made.st_mtim.tv_nsec);
        probe.ModesKept = modeGiven && (made.st_mode & 07777) == mode;
    }
    ::close(fd);
    ::unlink(name.c_str());
    return probe;
}

std::chrono::system_clock::time_point FileSystemNow(const FolderProbe& probe) {
    return std::chrono::system_clock::now() -
           std::chrono::duration_cast<std::chrono::system_clock::duration>(probe.ClockAhead);
}

bool IsStaleLeftover(const fs::path& entry, std::chrono::system_clock::time_point now) {
    struct stat s {};
    if (::lstat(entry.c_str(), &s) != 0) {
        return false;
    }
    const auto touched = std::chrono::system_clock::from_time_t(s.st_mtim.tv_sec);
    return now - touched > std::chrono::minutes(1);
}

void RemoveStaleTemporaries(const fs::path& target,
                            const std::function<std::chrono::system_clock::time_point()>& now) {
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
        // Ten letters and digits, as MakeTemporaryFile names them, or a
        // process number, as earlier versions did; a name with a dot
        // ("scores1.dat.lock.x.tmp") is another file's temporary.
        const std::string middle =
            name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
        const bool temporary = (middle.size() == TemporaryLetters &&
                                middle.find_first_not_of(Letters) == std::string::npos) ||
                               middle.find_first_not_of("0123456789") == std::string::npos;
        std::error_code ignored;
        if (temporary && entry->is_regular_file(ignored) && !entry->is_symlink(ignored) &&
            IsStaleLeftover(entry->path(), now())) {
            fs::remove(entry->path(), ignored);
        }
    }
}

} // namespace game
