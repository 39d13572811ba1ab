#pragma once

#include <QColor>

// The palette every picture is painted from: deep blue-violet stone with cyan and lavender light.
namespace Theme {

inline QColor deepest() { return QColor(8, 6, 20); }
inline QColor stoneDark() { return QColor(18, 14, 42); }
inline QColor stone() { return QColor(34, 27, 74); }
inline QColor stoneLight() { return QColor(62, 50, 128); }
inline QColor facet() { return QColor(98, 82, 180); }
inline QColor lavender() { return QColor(178, 166, 242); }
inline QColor cyan() { return QColor(84, 206, 246); }
inline QColor paleCyan() { return QColor(186, 244, 255); }
inline QColor teal() { return QColor(28, 86, 150); }

// The flat plate under the options window's controls; the check boxes are filled with it, so the
// check-box pictures are antialiased against this colour.
inline QColor optionsPlate() { return QColor(24, 20, 54); }

// Colour keyed out of pictures drawn transparent: the bottom-left pixel carries it.
inline QColor key() { return QColor(255, 0, 255); }

}  // namespace Theme

namespace Theme {

// The sunken beds behind the button columns; the transparent plates are antialiased against it.
inline QColor buttonBed() { return QColor(14, 11, 36); }
// The score window's row and name beds.
inline QColor scoreBed() { return QColor(12, 10, 32); }

}  // namespace Theme
