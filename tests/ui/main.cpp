#include <QApplication>
#include <QStyleFactory>

#include <gtest/gtest.h>

// The window tests need an application; listing them must not, so that CTest
// can discover them without a display.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    return RUN_ALL_TESTS();
}
