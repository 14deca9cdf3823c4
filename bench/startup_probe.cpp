// The program as it starts for a user, reporting its first painted frame.
#include "first_frame.h"
#include "ui/main_window.h"
#include "ui/style.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    UseTessaloStyle();
    MainWindow window;
    ReportFirstFrame(window);
    window.show();
    return QApplication::exec();
}
