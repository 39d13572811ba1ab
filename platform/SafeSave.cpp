#include "SafeSave.h"

#include <cstdio>
#include <filesystem>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <stdlib.h>
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

SafeSaveRename SetSafeSaveRename(SafeSaveRename rename) { return std::exchange(RenameHook(), std::move(rename)); }
