#include "ui/PieceObject.h"

#include "scene/TGLCustomSceneObject.h"

namespace {
const Color4 HighlightEmission{0.2f, 0.2f, 0.2f, 1};
const Color4 PlainEmission{0, 0, 0, 1};
}  // namespace

int PieceObject::tag() const { return object_.tag(); }
void PieceObject::setVisible(bool visible) { object_.setVisible(visible); }
bool PieceObject::visible() const { return object_.visible(); }
void PieceObject::setX(double x) { object_.setPositionX(x); }
void PieceObject::setY(double y) { object_.setPositionY(y); }
void PieceObject::setHighlighted(bool on)
{
    object_.material().setFrontEmission(on ? HighlightEmission : PlainEmission);
}
void PieceObject::setGlow(double level)
{
    const float e = static_cast<float>(HighlightEmission.r * level);
    object_.material().setFrontEmission(Color4{e, e, e, 1});
}
double PieceObject::rollAngle() const { return object_.rollAngle(); }
void PieceObject::setRollAngle(double degrees) { object_.setRollAngle(degrees); }
double PieceObject::turnAngle() const { return object_.turnAngle(); }
void PieceObject::setTurnAngle(double degrees) { object_.setTurnAngle(degrees); }
