#pragma once

#include <QImage>

class TFrogButton;
class TFrogComboBox;

// The button pictures that belong to the windows' design.
enum class Plate { Main, Score, OptionsClose, VolumeDown, VolumeUp, SizeChoice, HintGem };

// Gives a button the normal, mouse-over and pressed pictures of a plate.
void ApplyPlates(TFrogButton& button, Plate plate);
void ApplyComboPictures(TFrogComboBox& combo);
// One design picture by name ("btn71x25_normal"); on a high-density screen its "@2x" variant,
// which draws at the same logical size (see LoadPicture).
QImage DesignImage(const QString& name);

// Registers the design pictures compiled into the program.
void InitUiResources();
