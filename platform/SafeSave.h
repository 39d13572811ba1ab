#pragma once

#include <functional>
#include <string>

// Replaces a file so that it is never lost or half-written: the new bytes go to a
// temporary file in the same folder, are flushed to the disk, and the temporary file
// is then renamed over the old one. Whatever fails on the way (no room, a folder that
// refuses new files, an interrupted rename) leaves the old file whole and no
// temporary file behind. A new file gets the usual permissions (0666 less the umask);
// an existing one keeps its own.
bool SaveFileSafely(const std::string& path, const std::string& bytes);

// The rename step, replaceable so that tests can interrupt a save at its last step.
// It returns true on success. An empty function restores rename(2). Returns the
// previous one.
using SafeSaveRename = std::function<bool(const std::string& from, const std::string& to)>;
SafeSaveRename SetSafeSaveRename(SafeSaveRename rename);
