#include <QApplication>
#include <gtest/gtest.h>

#include "platform/workbook.h"

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A test never launches the desktop's spreadsheet application.
    korvane::setworkbookopener([](const QString &) { return true; });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
