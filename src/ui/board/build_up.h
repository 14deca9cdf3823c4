// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

#include <vector>

class BoardSurface;
class QWidget;
class SettingsFile;

// Build-up: after Show or a step, the cells appear one by one in the order
// given, the whole picture in about 1.5 s whatever its size; any key or click
// shows the rest at once. Only the painting waits: the form is final.
// Off unless chosen; the choice is remembered in `settings` when there are any.
class BuildUp : public QObject {
public:
    BuildUp(QWidget& window, BoardSurface& board, SettingsFile* settings = nullptr);

    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    // Shows the cells of `order` one at a time, in that order, the others at once;
    // only while build-up is on, unless `always` (the reveal of a guessed step).
    void start(std::vector<int> order, bool always = false);
    // Shows every cell now.
    void finish();
    bool running() const { return timer_.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void next();

    QWidget& window_;
    BoardSurface& board_;
    SettingsFile* settings_;
    QTimer timer_;
    std::vector<int> order_;
    std::size_t shown_ = 0;  // of order_
    bool enabled_ = false;
};
