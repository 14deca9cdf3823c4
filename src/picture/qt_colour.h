#pragma once

#include "board/cell.h"

#include <QColor>

inline QColor ToQColor(const Colour& colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}
