#pragma once

#include "game/IPieceObject.h"

class TGLCustomSceneObject;

// A piece's scene object as the rules see it.
class PieceObject : public IPieceObject {
public:
    explicit PieceObject(TGLCustomSceneObject& object) : object_(object) {}

    int tag() const override;
    void setVisible(bool visible) override;
    bool visible() const override;
    void setX(double x) override;
    void setY(double y) override;
    void setHighlighted(bool highlighted) override;
    // A lit piece's glow between none (0) and twice the lit one's (2), for a
    // hint's pulse.
    void setGlow(double level);
    double rollAngle() const override;
    void setRollAngle(double degrees) override;
    double turnAngle() const override;
    void setTurnAngle(double degrees) override;

    TGLCustomSceneObject& object() const { return object_; }

private:
    TGLCustomSceneObject& object_;
};
