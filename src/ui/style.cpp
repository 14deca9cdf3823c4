#include "ui/style.h"

#include <QApplication>
#include <QStyleFactory>

void UseTessaloStyle()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}
