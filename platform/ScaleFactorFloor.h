#pragma once

#include <string>

// Qt's painter never draws at less than one device pixel per logical pixel: at a
// scale factor below 1 each window gets its smaller size but is painted unscaled,
// its picture cut off and its controls outside it. Such a factor, asked for in the
// environment, is raised to 1 before the application is made, and the player is told.
class ScaleFactorFloor {
public:
    // Raises every factor below 1 in QT_SCALE_FACTOR and QT_SCREEN_SCALE_FACTORS
    // ("1.5;0.5" or "NAME=0.5;...") to 1. Returns the first factor raised as written,
    // empty when nothing was changed. Before the application object exists.
    static std::string Apply();
    // What the player is told about that factor, in their language (once translations
    // are installed, which is after Apply).
    static std::string Message(const std::string& raisedFrom);

private:
    // The same for one variable's value: the value to use, and what was raised
    // (the first factor below 1 as written), empty when nothing was.
    static std::string Raised(const std::string& value, bool list, std::string& raisedFrom);
};
