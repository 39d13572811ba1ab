#pragma once

#include <QValidator>

// Keeps a single-line field free of control characters, however they come
// (typed, pasted, dropped, set by the program): each run of them becomes one
// space, so a pasted "Bob\r\nSmith" reads "Bob Smith". A name that holds a line
// break would break every file it is written to.
class SingleLineValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
};
