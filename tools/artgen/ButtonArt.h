#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// The plates and small pictures of the image buttons, the combo button and the volume troughs.
// Captions are drawn onto the plates at run time, so the plates carry no text.
class ButtonArt {
public:
    enum class State { Normal, Over, Pressed };

    // Corner cut of the large plates; the transparent key lies only in these cut-off corners.
    static constexpr qreal kPlateCut = 5;

    // A caption plate, painted on a transparent canvas. Every picture takes a `scale`: 2 paints
    // it for double-density screens at twice the size.
    static QImage plate(QSize size, qreal cut, State state, int scale = 1);
    static QImage volume(bool up, State state, int scale = 1);
    static QImage radio(State state, int scale = 1);
    static QImage combo(State state, int scale = 1);
    static QImage trough(int variant, int scale = 1);
    // The main window's lower gem as a button: where it stands and its pictures, left
    // transparent where they leave the panel's own gem to show (all of the normal one).
    static constexpr QRect kHintGem{626, 314, 68, 68};
    static QImage hintGem(State state, int scale = 1);

    // Writes every picture, each also as its "@2x" variant, and ui.qrc into the folder.
    // `optionsPanel` and `optionsPanel2x` are the options window's backgrounds as the program
    // decodes them: the pictures drawn whole take their surroundings from the one of their own
    // density, so their corners match the panel behind them.
    static bool writeAll(const QString& folder, const QImage& optionsPanel, const QImage& optionsPanel2x);
};
