// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "board/cell.h"

#include <QColor>

inline QColor ToQColor(const Colour& colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}
