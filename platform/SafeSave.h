#pragma once

#include <chrono>
#include <functional>
#include <string>

// Replaces a file so that it is never lost or half-written: the new bytes go to a
// temporary file in the same folder, are flushed to the disk, and the temporary file
// is then renamed over the old one. Whatever fails on the way (no room, a folder that
// refuses new files, an interrupted rename) leaves the old file whole and no
// temporary file behind. A new file gets the usual permissions (0666 less the umask);
// an existing one keeps its own.
bool SaveFileSafely(const std::string& path, const std::string& bytes);

// The file a save of `path` replaces: the file a symbolic link names, through any
// chain of links, whether or not it exists yet (a file shared between folders
// through a link gets the new bytes, and the link stays), else the path. A loop of
// links gives the path.
constexpr int MaxLinkHops = 40;
std::string SaveTarget(const std::string& path);

// Whether an existing file may be replaced: a regular file with a write bit that this
// process may read and write. A file without write bits is read-only for everyone,
// root included. errno tells why not.
bool MayReplace(const std::string& target);

// Removes the temporary files of saves of `target` that a killed process left: those of
// the save's own naming (".name.glimmora-save-" and six letters or digits), beside it,
// untouched for at least `age` seconds (a save in progress in another process is
// younger than that). Nothing a person names stands in its way.
void RemoveStaleTemporaries(const std::string& target, int age = 600);

// An exclusive lock, for as long as it lives, on the folder that holds `target`:
// processes that take it around a read and a save of a file there never
// interleave. It waits at most `patience` for another holder; Busy() then says
// that the lock was not had. Without a folder that can be opened (or locked at
// all) nothing is locked, and nothing is busy either.
class SaveLock {
public:
    SaveLock(const std::string& target, std::chrono::milliseconds patience);
    ~SaveLock();
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    bool Busy() const { return busy_; }

private:
    int fd_;
    bool busy_ = false;
};

// The rename step, replaceable so that tests can interrupt a save at its last step.
// It returns true on success. An empty function restores rename(2). Returns the
// previous one.
using SafeSaveRename = std::function<bool(const std::string& from, const std::string& to)>;
SafeSaveRename SetSafeSaveRename(SafeSaveRename rename);
