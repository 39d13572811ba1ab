#pragma once

// The rules core's view of one piece's 3D object. The scene owns the object;
// the core only steers it.
class IPieceObject {
public:
    virtual ~IPieceObject() = default;

    virtual int tag() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool visible() const = 0;
    virtual void setX(double x) = 0;
    virtual void setY(double y) = 0;
    // true: HighlightEmission, false: PlainEmission.
    virtual void setHighlighted(bool highlighted) = 0;
    virtual double rollAngle() const = 0;
    virtual void setRollAngle(double degrees) = 0;
    virtual double turnAngle() const = 0;
    virtual void setTurnAngle(double degrees) = 0;
};
