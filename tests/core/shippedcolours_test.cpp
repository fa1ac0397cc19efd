// The shipped colors.dat is written by the program's own encoder from shippedcolours():
//   ./build-test/test_core --gtest_also_run_disabled_tests --gtest_filter='*WriteShippedColours'
#include "core/colours.h"
#include "platform/savefile.h"
#include "platform/colour.h"
#include "tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace korvane;

namespace {
// Readable on a fresh program folder: drawings green on black, the cursor light blue, the
// engine's cell light yellow.
void shippedcolours()
{
    colours[0] = rgbcolour(0, 0, 0);       // background
    colours[1] = rgbcolour(0, 255, 0);     // wire graph
    colours[2] = rgbcolour(255, 64, 64);   // rpm band
    colours[3] = rgbcolour(255, 255, 0);   // load band: the live cell
    colours[5] = rgbcolour(0, 128, 255);   // keyboard trim band: the cursor
    colours[6] = rgbcolour(255, 255, 255); // highlight
}
} // namespace

TEST(ShippedColours, DISABLED_WriteShippedColours)
{
    shippedcolours();
    ASSERT_EQ(writewholefile(test::datadir() + "/colors.dat", encodecolours()), "");
}

TEST(ShippedColours, ShippedFileHoldsTheDefaults)
{
    QFile file(test::datadir() + "/colors.dat");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    shippedcolours();
    EXPECT_EQ(file.readAll(), encodecolours());
}
