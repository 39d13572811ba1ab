#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// The plates and small pictures of the image buttons, the combo button and the volume troughs.
// Captions are drawn onto the plates at run time, so the plates carry no text.
class ButtonArt {
public:
    enum class State { Normal, Over, Pressed };

    // Corner cut of the large plates; the transparent key lies only in these cut-off corners.
    static constexpr qreal kPlateCut = 5;

    // A caption plate, painted on a transparent canvas.
    static QImage plate(QSize size, qreal cut, State state);
    static QImage volume(bool up, State state);
    static QImage radio(State state);
    static QImage combo(State state);
    static QImage trough(int variant);

    // Writes every picture and ui.qrc into the folder. `optionsPanel` is the options window's
    // background as the program decodes it: the pictures drawn whole take their surroundings from
    // it, so their corners match the panel behind them.
    static bool writeAll(const QString& folder, const QImage& optionsPanel);
};
