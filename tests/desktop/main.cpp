// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_driver.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

// One Xvfb for all the tests; this process reads the program's pixels through
// it. Listing the tests needs no server.
XServer* g_server = nullptr;

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    XServer server;
    g_server = &server;
    if (server.display().isEmpty())
        return RUN_ALL_TESTS();  // every test skips, saying why
    qputenv("DISPLAY", server.display().toUtf8());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("QT_SCALE_FACTOR");  // this process reads real pixels
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
