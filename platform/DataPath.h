#pragma once

#include <string>

// Data files are named the way the program was first written for: BaseDir followed by
// a relative path with backslashes ("\Pics\panel1.jpg"), or a path relative to the
// current directory ("PICS\panel4.jpg"), in whatever letter case the call site used.

// Joins baseDir and relative with one '/', turns backslashes into '/', and matches
// each component that does not exist as written against its directory's entries
// without regard to case (the exact name wins; among several case variants the
// byte-wise smallest). Components after the first one that cannot be found are kept
// as written. The result is returned even when nothing exists, so errors can name it.
// An empty baseDir leaves the path relative to the current directory, unless the
// relative path starts with a separator.
std::string ResolveDataPath(const std::string& baseDir, const std::string& relative);

// The same, relative to the current directory.
std::string ResolveDataPath(const std::string& relative);

// The current directory without a trailing separator (so "/" gives "").
std::string CurrentBaseDir();
