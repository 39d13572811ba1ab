#pragma once

class IPieceObject;

// Where the rules core creates and destroys piece objects: the children of
// MainField.
class IPieceScene {
public:
    virtual ~IPieceScene() = default;

    // Makes the object of a piece of `kind` for scheme index `scheme` at
    // (x, y, 0) under MainField, tagged with `tag`. Returns nullptr (and
    // creates nothing) for a scheme index other than 0, 1, 2 or 3.
    virtual IPieceObject* createPiece(int scheme, int kind, double x, double y, int tag) = 0;
    virtual void destroyPiece(IPieceObject* piece) = 0;
    // Pitch, roll and turn of MainField back to 0.
    virtual void resetFieldAngles() = 0;
};
