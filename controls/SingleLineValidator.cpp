#include "SingleLineValidator.h"

#include <algorithm>

namespace {

bool BreaksTheLine(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line
           || category == QChar::Separator_Paragraph;
}

}  // namespace

QValidator::State SingleLineValidator::validate(QString& input, int& pos) const
{
    if (std::none_of(input.cbegin(), input.cend(), BreaksTheLine))
        return Acceptable;
    QString clean;
    clean.reserve(input.size());
    int cursor = -1;
    bool inRun = false;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (i == pos)
            cursor = int(clean.size());
        const QChar c = input.at(i);
        if (BreaksTheLine(c)) {
            if (!inRun)
                clean += QLatin1Char(' ');
            inRun = true;
        } else {
            clean += c;
            inRun = false;
        }
    }
    input = clean;
    pos = cursor < 0 ? int(clean.size()) : cursor;
    return Acceptable;
}
