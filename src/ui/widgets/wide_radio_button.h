// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRadioButton>

// A radio button that takes a click anywhere on its rectangle, as wide as the
// layout makes it, not only on its circle and caption.
class WideRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};
