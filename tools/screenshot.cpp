// Saves a picture of the window, optionally after the user's steps for one
// identity and one n:  tessalo_screenshot OUT.png [KIND N]
// The picture is what the window system shows of the window, taken once the
// window is exposed; run it with QT_QPA_PLATFORM=offscreen to need no display.
#include "ui/main_window.h"
#include "ui/style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QScreen>
#include <QWindow>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    UseTessaloStyle();
    const QStringList args = QApplication::arguments();
    if (args.size() != 2 && args.size() != 4) {
        std::fprintf(stderr, "usage: tessalo_screenshot OUT.png [KIND N]\n");
        return 2;
    }
    MainWindow window;
    window.show();
    if (args.size() == 4) {
        const int kind = args[2].toInt();
        const int n = args[3].toInt();
        if (kind < 1 || kind > 6 || n < 1 || n > 11) {
            std::fprintf(stderr, "KIND is 1 to 6, N is 1 to 11\n");
            return 2;
        }
        window.findChild<QAbstractButton*>(QStringLiteral("Option1(%1)").arg(kind - 1))->click();
        window.findChild<QListWidget*>(QStringLiteral("List1(0)"))->setCurrentRow(n - 1);
        window.findChild<QAbstractButton*>(QStringLiteral("Command1(1)"))->click();
    }
    QElapsedTimer waited;
    waited.start();
    while (!window.windowHandle()->isExposed() && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();
    const QPixmap picture = window.screen()->grabWindow(window.winId());
    if (picture.isNull() || !picture.save(args[1])) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
