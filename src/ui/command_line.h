#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks for. It is read before the program connects to a
// display, so that help, the version and mistakes need none.
struct CommandLine {
    bool fullScreen = false;
    std::optional<int> zoomPercent;  // 100..400
    bool geometryGiven = false;      // the toolkit's -geometry places the window

    // Set when the program is to stop at once with this status, after
    // printing `output` (standard output) or `error` (standard error).
    std::optional<int> exitStatus;
    QString output;
    QString error;
};

// `arguments` starts with the program's name. The toolkit's own options
// (-platform, -geometry, -style, ...) are accepted and left to it.
CommandLine ParseCommandLine(const QStringList& arguments);
