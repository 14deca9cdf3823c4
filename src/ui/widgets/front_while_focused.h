// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Brings a control that lies partly behind another to the front while it has
// the keyboard focus, so that its focus mark surrounds what it marks, and puts
// it back in its place among its siblings when the focus leaves.
class FrontWhileFocused : public QObject {
public:
    explicit FrontWhileFocused(QWidget& control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& control_;
    QPointer<QWidget> above_;  // the sibling just above it in its own place; none: it is on top
};
