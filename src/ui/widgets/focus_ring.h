// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

// A black ring just outside whichever control of the form has the keyboard
// focus, 2 pixels thick at 100 % and growing with the zoom, in a thin white rim:
// the controls' own focus marks are faint or missing on the form's fixed colours.
class FocusRing : public QWidget {
public:
    // Follows the focus among the children of `form`, above all of them.
    explicit FocusRing(QWidget* form);

    // Places the ring again, as the form was laid out at `zoom`.
    void follow(double zoom);
    // No ring about `control`, which shows where its focus is itself.
    void skip(QWidget* control) { skipped_ = control; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();
    int halo() const;  // the white rim's width

    QPointer<QWidget> target_;
    QPointer<QWidget> skipped_;
    int thickness_ = 2;
};
