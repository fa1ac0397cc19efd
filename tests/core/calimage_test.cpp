#include "core/calimage.h"
#include "maptestkit.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace korvane;
using korvane::test::randomimage;

TEST(CalibrationImage, CornerAddressesReachTheRightElements)
{
    calimage image{};
    image.settings[47][15] = 0x39; // entry 15 of map 39
    image.pwmmaps[24][23] = 0x41;  // map 41, x 0, y 23
    image.rammaps[65][0] = 0x44;   // map 4, rpm 1, load 0
    image.afrmap[42][0] = 'K';     // first comment character
    image.rammaps[191][31] = 0x77;
    image.fuelmap[0][0] = 0x12FF;
    image.settings[0][0] = 0x10;
    EXPECT_EQ(imagebyte(image, 0x12FF), 0x39);
    EXPECT_EQ(imagebyte(image, 0x1557), 0x41);
    EXPECT_EQ(imagebyte(image, 0x5020), 0x44);
    EXPECT_EQ(imagebyte(image, 0x1F00), 'K');
    EXPECT_EQ(imagebyte(image, 0x5FFF), 0x77);
    EXPECT_EQ(imagebyte(image, 0x4000), 0x12);
    EXPECT_EQ(imagebyte(image, 0x4001), 0xFF);
    EXPECT_EQ(imagebyte(image, 0x1000), 0x10);
    EXPECT_EQ(imagebyte(image, 0x0FFF), -1);
    EXPECT_EQ(imagebyte(image, 0x2000), -1);
    EXPECT_EQ(imagebyte(image, 0x3FFF), -1);
    EXPECT_EQ(imagebyte(image, 0x6000), -1);
    EXPECT_FALSE(setimagebyte(image, 0x2000, 1));
}

TEST(CalibrationImage, TravelOrdersCarryEveryByteOnce)
{
    const calimage image = randomimage(7);
    const auto ecu = ecuorder(image);
    const auto up = uploadorder(image);
    ASSERT_EQ(ecu.size(), 12288u);
    EXPECT_EQ(ecu[0], imagebyte(image, 0x1000));
    EXPECT_EQ(ecu[4095], imagebyte(image, 0x1FFF));
    EXPECT_EQ(ecu[4096], imagebyte(image, 0x4000));
    EXPECT_EQ(up[0], imagebyte(image, 0x4000));
    EXPECT_EQ(up[8192], imagebyte(image, 0x1000));
    // Writing each order back into an empty image rebuilds the same image (column 50 aside).
    calimage copy{};
    for (int i = 0; i < imagebytes; ++i) setimagebyte(copy, uploadorderaddress(i), up[i]);
    EXPECT_EQ(ecuorder(copy), ecu);
}

TEST(CalibrationImage, MapSumsCountBytesNotCells)
{
    curimage = calimage{};
    std::fill(std::begin(mapsums), std::end(mapsums), 1); // sums of some earlier image
    calcmapsums();
    for (int32_t sum : mapsums) EXPECT_EQ(sum, 0);
    curimage.fuelmap[3][4] = 0x12FF;
    curimage.settings[2][2] = 99; // outside every sum
    calcmapsums();
    EXPECT_EQ(mapsums[0], 0x12 + 0xFF);
    for (int i = 0; i < imagebytes; ++i) setimagebyte(curimage, ecuorderaddress(i), 255);
    calcmapsums();
    EXPECT_EQ(mapsums[0], 2048 * 255);
    for (int m = 2; m <= 7; ++m) EXPECT_EQ(mapsums[m - 1], 1024 * 255);
    cellchanged[10][31][31] = 255;
    clearchanged();
    EXPECT_EQ(cellchanged[10][31][31], 0);
}
