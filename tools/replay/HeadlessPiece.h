#pragma once

#include "IPieceObject.h"

// A piece object with no picture: it only remembers what the rules set.
class HeadlessPiece : public IPieceObject {
public:
    HeadlessPiece(int kind, double x, double y, int tag);

    int tag() const override { return tag_; }
    void setVisible(bool visible) override { visible_ = visible; }
    bool visible() const override { return visible_; }
    void setX(double x) override { x_ = x; }
    void setY(double y) override { y_ = y; }
    void setHighlighted(bool highlighted) override { highlighted_ = highlighted; }
    double rollAngle() const override { return roll_; }
    void setRollAngle(double degrees) override { roll_ = degrees; }
    double turnAngle() const override { return turn_; }
    void setTurnAngle(double degrees) override { turn_ = degrees; }

    int kind() const { return kind_; }
    double x() const { return x_; }
    double y() const { return y_; }
    bool highlighted() const { return highlighted_; }

private:
    int kind_;
    double x_;
    double y_;
    int tag_;
    bool visible_ = true;
    bool highlighted_ = false;
    double roll_ = 0;
    double turn_ = 0;
};
