#include "game/NullPiece.h"

NullPiece::NullPiece(int scheme, int kind, double x, double y, int tag)
    : scheme_(scheme), kind_(kind), x_(x), y_(y), tag_(tag)
{
}

void NullPiece::use() const
{
    if (destroyed_)
        ++misuse_;
}

int NullPiece::tag() const
{
    use();
    return tag_;
}

void NullPiece::setVisible(bool visible)
{
    use();
    visible_ = visible;
}

bool NullPiece::visible() const
{
    use();
    return visible_;
}

void NullPiece::setX(double x)
{
    use();
    x_ = x;
}

void NullPiece::setY(double y)
{
    use();
    y_ = y;
}

void NullPiece::setHighlighted(bool highlighted)
{
    use();
    highlighted_ = highlighted;
}

double NullPiece::rollAngle() const
{
    use();
    return roll_;
}

void NullPiece::setRollAngle(double degrees)
{
    use();
    roll_ = degrees;
}

double NullPiece::turnAngle() const
{
    use();
    return turn_;
}

void NullPiece::setTurnAngle(double degrees)
{
    use();
    turn_ = degrees;
}
