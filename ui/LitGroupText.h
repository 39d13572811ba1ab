#pragma once

#include <QCoreApplication>
#include <QString>

// What the field tells assistive technology about the lit group, in the player's
// language: "red, group of 5, 9 points", "green, single piece, 0 points".
class LitGroupText {
    Q_DECLARE_TR_FUNCTIONS(LitGroupText)

public:
    // kind 1..5 (yellow, green, blue, cyan, red); any other is named "piece".
    static QString Describe(int kind, int groupCount, int points);
    static QString KindName(int kind);
};
