#pragma once

#include <string>

// The windows keep the font names they were designed with ("MS Sans Serif" for
// captions and labels, "Courier" for the score rows). Those faces are not on a Linux
// desktop, and the usual fallback (DejaVu) runs wider, which pushes text out of the
// places drawn for it. Map them to the metric-compatible faces of fonts-liberation.
// Call once, after the application object exists; calling again changes nothing.
void InstallFontSubstitutes();

// The installed face that a designed family is mapped to, or "" when the family is
// not one of ours or none of its candidates is installed.
std::string FontSubstituteFor(const std::string& designedFamily);
