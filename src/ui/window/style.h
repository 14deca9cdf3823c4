// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One look on every desktop: Qt's Fusion style, which honours the palette
// colours the layout gives the controls.
void UseTessaloStyle();

// The zoom of the one window: radio buttons, scroll bars and frames grow with
// it. Does nothing unless UseTessaloStyle() was called.
void SetStyleZoom(double zoom);
