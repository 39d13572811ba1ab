#include "platform/SafeSave.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Behind ".name.": no name a person gives a copy of the file (".hscore.dat.backup")
// looks like this, so the sweep of stale ones never takes such a copy.
constexpr const char* TemporaryTag = "glimmora-save-";
constexpr std::size_t TemporaryRandom = 6;  // mkstemp's XXXXXX

std::string TemporaryPrefix(const std::string& target)
{
    return "." + std::filesystem::path(target).filename().string() + "." + TemporaryTag;
}

bool IsTemporaryName(const std::string& name, const std::string& prefix)
{
    if (name.size() != prefix.size() + TemporaryRandom || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    return std::all_of(name.begin() + std::ptrdiff_t(prefix.size()), name.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
}

SafeSaveRename& RenameHook()
{
    static SafeSaveRename hook;
    return hook;
}

bool Rename(const std::string& from, const std::string& to)
{
    if (const SafeSaveRename& hook = RenameHook())
        return hook(from, to);
    return std::rename(from.c_str(), to.c_str()) == 0;
}

std::string FolderOf(const std::string& path)
{
    const std::string parent = std::filesystem::path(path).parent_path().string();
    return parent.empty() ? "." : parent;
}

mode_t ModeFor(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

// The temporary file: removed again unless it has been renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target)
    {
        std::string pattern = FolderOf(target) + "/" + TemporaryPrefix(target) + std::string(TemporaryRandom, 'X');
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        fd_ = ::mkstemp(buffer.data());
        if (fd_ >= 0)
            path_ = buffer.data();
    }
    ~TemporaryFile()
    {
        Close();
        if (!path_.empty() && !kept_)
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool Open() const { return fd_ >= 0; }
    int Fd() const { return fd_; }
    const std::string& Path() const { return path_; }
    bool Close()
    {
        if (fd_ < 0)
            return true;
        const bool ok = ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }
    void Keep() { kept_ = true; }

private:
    int fd_ = -1;
    std::string path_;
    bool kept_ = false;
};

void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool SaveFileSafely(const std::string& path, const std::string& bytes)
{
    TemporaryFile temp(path);
    if (!temp.Open())
        return false;
    if (!WriteAll(temp.Fd(), bytes) || ::fchmod(temp.Fd(), ModeFor(path)) != 0 || ::fsync(temp.Fd()) != 0
        || !temp.Close())
        return false;
    if (!Rename(temp.Path(), path))
        return false;
    temp.Keep();
    SyncFolder(FolderOf(path));
    return true;
}

std::string SaveTarget(const std::string& path)
{
    namespace fs = std::filesystem;
    // Followed link by link rather than canonicalised: a link to a file still to be
    // made names that file, and the save creates it there.
    fs::path at(path);
    std::error_code ec;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        if (!fs::is_symlink(fs::symlink_status(at, ec)))
            return at.string();
        const fs::path next = fs::read_symlink(at, ec);
        if (ec)
            return path;
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    // A loop: the path itself, which every save refuses.
    return path;
}

bool MayReplace(const std::string& target)
{
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0)
        return false;
    if (!S_ISREG(info.st_mode) || (info.st_mode & 0222) == 0) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EACCES;
        return false;
    }
    return ::access(target.c_str(), R_OK | W_OK) == 0;
}

void RemoveStaleTemporaries(const std::string& target, int age)
{
    namespace fs = std::filesystem;
    const std::string prefix = TemporaryPrefix(target);
    const auto oldest = fs::file_time_type::clock::now() - std::chrono::seconds(age);
    std::error_code ec;
    for (fs::directory_iterator it(FolderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        if (!IsTemporaryName(it->path().filename().string(), prefix))
            continue;
        std::error_code statError;
        if (!fs::is_regular_file(it->symlink_status(statError)) || statError)
            continue;
        const auto written = fs::last_write_time(it->path(), statError);
        if (!statError && written <= oldest)
            ::unlink(it->path().c_str());
    }
}

SaveLock::SaveLock(const std::string& target, std::chrono::milliseconds patience)
    : fd_(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (fd_ < 0)
        return;
    // A holder that never lets go (a copy of the game stopped mid-save) must not
    // freeze this one: try again now and then until the patience runs out.
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0)
            return;
        if (errno == EINTR)
            continue;
        const bool held = errno == EWOULDBLOCK;
        if (!held || std::chrono::steady_clock::now() >= deadline) {
            busy_ = held;
            ::close(fd_);
            fd_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

SaveLock::~SaveLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}

SafeSaveRename SetSafeSaveRename(SafeSaveRename rename) { return std::exchange(RenameHook(), std::move(rename)); }
