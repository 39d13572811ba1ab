#pragma once

#include <QFont>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

// The controls' plates are pictures of a fixed size, drawn for English captions. A
// longer caption (German and Russian ones often are) is drawn at the largest pixel size,
// from the design size down, at which it fits the plate's caption room, on one line, or
// on two where the control allows it; never below MinimumPixelSize, where it would no
// longer read. At the design size the font is the design font itself, so a caption that
// fits looks as it always did.
class CaptionFit {
public:
    static constexpr int MinimumPixelSize = 9;

    struct Result {
        QFont font;
        bool twoLines = false;
        // False when even the smallest size overflows the room (shown clipped).
        bool fits = true;
    };

    // The caption as written for the control: "&" marks the accelerator, "&&" is one "&".
    static Result Fit(const QFont& design, const QString& caption, QSize room, bool twoLinesAllowed = false);
    // The same search for a control that lays its caption out itself: the design font if
    // fits() holds for it, else the largest smaller pixel size down to MinimumPixelSize for
    // which it holds; nothing when none does.
    static std::optional<QFont> Largest(const QFont& design, const std::function<bool(const QFont&)>& fits);
    // The caption's width as drawn in that font (the accelerator's mark takes no room).
    static int Width(const QFont& font, const QString& caption);

private:
    static QString Shown(const QString& caption);
};
