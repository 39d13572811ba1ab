#pragma once

#include <QPointF>

// Where the centre of the piece in (row, column) appears in the 588 x 442
// view for the camera the game starts with, worked out independently of the
// scene engine: the camera at (2, 2, 15) looking at the field's origin with
// +x up, the field turned so that its local +x runs right and +y up.
QPointF ProjectCell(int row, int column, int fieldRows, int fieldCols);
