#include <QApplication>
#include <gtest/gtest.h>

#include "platform/focusframe.h"
#include "platform/menukeys.h"
#include "platform/returnkey.h"
#include "platform/workbook.h"

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    korvane::installreturnrule(); // as the program does
    korvane::installfocusframe();
    korvane::installmenukeys();
    // A test never launches the desktop's spreadsheet application.
    korvane::setworkbookopener([](const QString &) { return true; });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
