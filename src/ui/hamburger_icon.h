#pragma once

#include <QIcon>

// The window icon: a hamburger (sesame bun, lettuce, cheese, tomato, patty)
// on a transparent background, painted for 32 and 64 pixels.
QIcon HamburgerIcon();
