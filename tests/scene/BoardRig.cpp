#include "BoardRig.h"

#include "scene/TGLCustomSceneObject.h"

void BoardRig::deal(Shape shape, int c, int r)
{
    board.field->destroyChildren();
    pieces.clear();
    kinds_.clear();
    cols = c;
    rows = r;
    for (int row = 1; row <= rows; ++row)
        for (int col = 1; col <= cols; ++col) {
            const int kind = 1 + (row * 7 + col * 3) % 5;
            const int tag = static_cast<int>(pieces.size()) + 1;
            pieces.push_back(board.addPiece(shape, kind, col - cols / 2, rows / 2 - row, tag));
            kinds_.push_back(kind);
        }
}

Vec3 BoardRig::pieceCentre(int i) const { return pieces[i]->absolutePosition(); }
