#include "ui/main_window.h"
#include "ui/style.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    UseTessaloStyle();
    MainWindow window;
    window.show();
    return QApplication::exec();
}
