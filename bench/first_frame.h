// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// Once `window` has painted its first frame, prints "first-frame-ns N" (the
// monotonic clock, for the parent that started the process to subtract its own
// start time) and "peak-rss-kib N", then quits the application.
void ReportFirstFrame(QWidget& window);
