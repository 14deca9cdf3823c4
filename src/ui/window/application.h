// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

#include <memory>

// The application, connected to the display, with its names (for settings)
// and the toolkit's own texts and ours in the language in use. Where no display can be reached it
// prints one line saying so and ends the program with status 1, instead of
// the toolkit's abort.
std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv);

// The toolkit's own texts (context menus, standard dialogs) and ours in the
// language in use, Bulgarian unless another was chosen; OpenApplication() does it.
void LoadToolkitTranslations(QApplication& app);

// Ends the event loop with status 1 when another program destroys `window`
// (on X11, where the toolkit would go on without it).
void EndWhenDestroyedFromOutside(QWidget& window);
