#include "platform/SafeSave.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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
        const std::filesystem::path p(target);
        std::string pattern = FolderOf(target) + "/." + p.filename().string() + ".XXXXXX";
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
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) {
        const std::filesystem::path target = std::filesystem::weakly_canonical(path, ec);
        if (!ec)
            return target.string();
    }
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
    // mkstemp's six characters behind ".name."
    const std::string prefix = "." + fs::path(target).filename().string() + ".";
    const auto oldest = fs::file_time_type::clock::now() - std::chrono::seconds(age);
    std::error_code ec;
    for (fs::directory_iterator it(FolderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        std::error_code statError;
        if (!fs::is_regular_file(it->symlink_status(statError)) || statError)
            continue;
        const auto written = fs::last_write_time(it->path(), statError);
        if (!statError && written <= oldest)
            ::unlink(it->path().c_str());
    }
}

SaveLock::SaveLock(const std::string& target) : fd_(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (fd_ >= 0)
        while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
}

SaveLock::~SaveLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}

SafeSaveRename SetSafeSaveRename(SafeSaveRename rename) { return std::exchange(RenameHook(), std::move(rename)); }
