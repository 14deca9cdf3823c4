#pragma once

#include <functional>

class MainWindow;

// The whole program: reads the command line; draws what it asks for without a
// window, or connects to the display, shows the window as the settings and the
// command line say, and remembers it when it closes. `beforeShow`, when given,
// sees the window first.
int RunProgram(int argc, char* argv[], const std::function<void(MainWindow&)>& beforeShow = {});
