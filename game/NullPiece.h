#pragma once

#include "game/IPieceObject.h"

// A piece object with no picture: it keeps what the rules set so that tests
// and the replay tool can read it back. Once its scene has destroyed it,
// every call is counted as a misuse instead of touching freed memory.
class NullPiece : public IPieceObject {
public:
    NullPiece(int scheme, int kind, double x, double y, int tag);

    int tag() const override;
    void setVisible(bool visible) override;
    bool visible() const override;
    void setX(double x) override;
    void setY(double y) override;
    void setHighlighted(bool highlighted) override;
    double rollAngle() const override;
    void setRollAngle(double degrees) override;
    double turnAngle() const override;
    void setTurnAngle(double degrees) override;

    int scheme() const { return scheme_; }
    int kind() const { return kind_; }
    double x() const { return x_; }
    double y() const { return y_; }
    bool highlighted() const { return highlighted_; }

    void markDestroyed() { destroyed_ = true; }
    bool destroyed() const { return destroyed_; }
    int misuse() const { return misuse_; }

private:
    void use() const;

    int scheme_;
    int kind_;
    double x_;
    double y_;
    int tag_;
    bool visible_ = true;
    bool highlighted_ = false;
    double roll_ = 0;
    double turn_ = 0;
    bool destroyed_ = false;
    mutable int misuse_ = 0;
};
