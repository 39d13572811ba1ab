#pragma once

class QString;
class QWidget;

// Moves a control's accelerator to the "&" letter of its new caption: releases the
// shortcut it held (an id of 0 is none) and returns the id of the new one, 0 when the
// caption has no accelerator.
int RegrabMnemonic(QWidget& control, int shortcutId, const QString& caption);
