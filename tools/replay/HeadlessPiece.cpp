#include "HeadlessPiece.h"

HeadlessPiece::HeadlessPiece(int kind, double x, double y, int tag) : kind_(kind), x_(x), y_(y), tag_(tag) {}
