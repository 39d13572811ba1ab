#pragma once

#include <QString>

// What the run knows from its start and every window reads: the folder the
// game's data files are named from.
struct RunState {
    QString BaseDir;  // the start folder, no trailing separator

    // BaseDir + a data path as the game names its files ("\Pics\panel1.jpg"),
    // matched without regard to letter case.
    QString DataFile(const QString& relative) const;
    // The settings file.
    QString IniPath() const { return DataFile("\\s3d.ini"); }
};
