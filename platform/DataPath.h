#pragma once

#include <QString>

#include <string>

// Data files are named the way the program was first written for: BaseDir followed by
// a relative path with backslashes ("\Pics\panel1.jpg"), or a path relative to the
// current directory ("PICS\panel4.jpg"), in whatever letter case the call site used.

// Joins baseDir and relative with one '/', turns backslashes of relative into '/'
// (those of baseDir are part of a folder's name and stay), and matches
// each component that does not exist as written against its directory's entries
// without regard to case (the exact name wins; among several case variants the
// byte-wise smallest). Components after the first one that cannot be found are kept
// as written. The result is returned even when nothing exists, so errors can name it.
// An empty baseDir leaves the path relative to the current directory, unless the
// relative path starts with a separator.
std::string ResolveDataPath(const std::string& baseDir, const std::string& relative);

// The same, relative to the current directory.
std::string ResolveDataPath(const std::string& relative);

// The current directory without a trailing separator (so "/" gives ""). Throws
// FrameworkError with StartFolderProblem()'s text when there is no usable one, so
// that no caller ever names files relative to a folder it did not start in.
std::string CurrentBaseDir();

// Why the current directory cannot serve as the program's folder (it was deleted,
// its name cannot be found, or it cannot be entered), or empty when it can.
std::string StartFolderProblem();

// The name a picture's twice-dense variant goes by, beside it ("Pics/font.bmp" ->
// "Pics/font@2x.bmp", "CHECKED" -> "CHECKED@2x"), as Qt names them.
QString DoubleDensityName(const QString& fileName);
