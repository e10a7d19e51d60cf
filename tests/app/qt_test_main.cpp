// Runs Qt tests inside one offscreen application object. Listing the tests
// needs no display, so no application is made for it.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/qt_platform.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    platform::register_url_scheme();
    QApplication application(argc, argv);
    platform::install_qt_services();
    return RUN_ALL_TESTS();
}
