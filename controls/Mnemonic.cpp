#include "controls/Mnemonic.h"

#include <QKeySequence>
#include <QWidget>

int RegrabMnemonic(QWidget& control, int shortcutId, const QString& caption)
{
    if (shortcutId != 0)
        control.releaseShortcut(shortcutId);
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    return mnemonic.isEmpty() ? 0 : control.grabShortcut(mnemonic);
}
