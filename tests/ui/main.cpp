// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window/application.h"
#include "ui/window/style.h"

#include <QApplication>

#include <gtest/gtest.h>

// The window tests need an application; listing them must not, so that CTest
// can discover them without a display.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QApplication app(argc, argv);
    LoadToolkitTranslations(app);
    UseTessaloStyle();
    return RUN_ALL_TESTS();
}
