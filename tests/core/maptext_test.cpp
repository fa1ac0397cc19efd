#include "core/calimage.h"
#include "core/linecheck.h"
#include "core/maptext.h"
#include "maptestkit.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace korvane;

TEST(MapText, RandomImageRoundTripsAndEveryLinePasses) {
    inittables();
    const calimage image = test::randomimage(42);
    const QByteArray text = test::maptextof(image);
    ASSERT_EQ(text.size(), mapfilelength);
    calimage back{};
    ASSERT_EQ(unpackimage(text, back), "");
    EXPECT_TRUE(test::sameimage(image, back));
    sumlines(text);
    EXPECT_EQ(failinglines(), 0);
}

TEST(MapText, FieldsSitWhereTheLayoutPutsThem) {
    inittables();
    calimage image{};
    image.settings[3][5] = 10;    // ECU 0x1035: data byte 21 of line 1
    image.fuelmap[3][20] = 10000; // cell 4 of line 153
    image.afrmap[42][0] = 'K';    // first comment character: line 138
    image.pwmmaps[24][23] = 0x41; // map 41, x 0, y 23: data byte 23 of line 48
    image.rammaps[65][0] = 0x44;  // map 4, rpm 1, load 0: data byte 0 of line 275
    const QByteArray text = test::maptextof(image);
    EXPECT_EQ(text.mid(126, 2), "0A");
    EXPECT_EQ(text.mid(11652, 4), "2710");
    EXPECT_EQ(text.mid(138 * 76 + 8, 2), "4B");
    EXPECT_EQ(text.mid(48 * 76 + 54, 2), "41");
    EXPECT_EQ(text.mid(275 * 76 + 8, 2), "44");
    EXPECT_EQ(text.mid(153 * 76, 8), "S12340E0");
}

TEST(MapText, LowerCaseDigitsReadAsUpperAndAreWrittenUpper) {
    inittables();
    const calimage image = test::randomimage(9);
    const QByteArray upper = test::maptextof(image);
    QByteArray lower = upper;
    for (int line = 0; line < maplinecount; ++line)
        for (int p = 8; p < 74; ++p)
            lower[line * 76 + p] = char(std::tolower(lower[line * 76 + p]));
    ASSERT_NE(lower, upper);
    calimage back{};
    ASSERT_EQ(unpackimage(lower, back), "");
    EXPECT_TRUE(test::sameimage(image, back));
    packimage(back, lower);
    EXPECT_EQ(lower, upper);
}

TEST(MapText, HeaderLineEndAndSpareBytesAreCarriedOverAndCovered) {
    inittables();
    QByteArray text = test::maptextof(test::randomimage(1));
    for (int line = 0; line < maplinecount; ++line) {
        text.replace(line * 76, 8, QByteArray::number(line).rightJustified(8, '#'));
        text.replace(line * 76 + 74, 2, "|\n");
    }
    for (int p = 8 + 48; p < 72; ++p)
        text[30 * 76 + p] = 'e'; // spare bytes of a PWM line
    packimage(test::randomimage(2), text);
    EXPECT_EQ(text.mid(200 * 76, 8), "#####200");
    EXPECT_EQ(text.mid(401 * 76 + 74, 2), "|\n");
    EXPECT_EQ(text.mid(30 * 76 + 56, 16), "eeeeeeeeeeeeeeee");
    sumlines(text);
    EXPECT_EQ(failinglines(), 0);
}

TEST(MapText, BadTextsAreRefusedWithWhereAndTheImageIsUntouched) {
    const QByteArray good = test::maptextof(test::randomimage(4));
    const calimage before = test::randomimage(8);
    calimage image = before;

    QByteArray baddigit = good;
    baddigit[100 * 76 + 39] = 'G';
    EXPECT_EQ(unpackimage(baddigit, image),
              "Line 101, position 40: \"G\" is not a hexadecimal digit.");
    QByteArray badfield = good;
    badfield[401 * 76 + 73] = ' ';
    EXPECT_EQ(unpackimage(badfield, image),
              "Line 402, position 74: the byte 0x20 is not a hexadecimal digit.");
    EXPECT_EQ(unpackimage(QByteArray(), image), "The file is empty.");
    EXPECT_TRUE(unpackimage(good.left(30551), image).contains("30551 bytes"));
    QByteArray lf;
    for (int line = 0; line < maplinecount; ++line)
        lf += good.mid(line * 76, 74) + "\n";
    EXPECT_TRUE(unpackimage(lf, image).contains("LF only"));
    EXPECT_TRUE(test::sameimage(image, before));
    // Only the first 30552 bytes count.
    EXPECT_EQ(unpackimage(good + "trailing junk", image), "");
}

// Thousands of damaged files: each one is either decoded whole, or refused with the image
// untouched. Run under the sanitizers this also proves no read past the text.
TEST(MapText, RandomCorruptionsLoadWholeOrChangeNothing) {
    inittables();
    const calimage original = test::randomimage(77);
    const QByteArray good = test::maptextof(original);
    std::mt19937 rng(2024);
    int refused = 0;
    for (int round = 0; round < 4000; ++round) {
        QByteArray text = good;
        switch (round % 4) {
        case 0: // flipped bytes
            for (int n = 1 + rng() % 4; n > 0; --n)
                text[rng() % text.size()] = char(rng());
            break;
        case 1: // truncated
            text.truncate(rng() % text.size());
            break;
        case 2: // LF line ends, maybe with junk after
            text.replace("\r\n", "\n");
            if (rng() % 2) text += QByteArray(int(rng() % 1000), 'A');
            break;
        case 3: // whole lines removed
            for (int n = 1 + rng() % 3; n > 0; --n)
                text.remove(int(rng() % 402) * 76, 76);
            if (rng() % 2) text += good.right(int(rng() % 500));
            break;
        }
        const calimage before = test::randomimage(round);
        calimage image = before;
        const QString error = unpackimage(text, image);
        if (!error.isEmpty()) {
            ++refused;
            ASSERT_TRUE(test::sameimage(image, before)) << round;
            continue;
        }
        ASSERT_GE(text.size(), mapfilelength);
        for (int i = 0; i < imagebytes; ++i) {
            const int v = imagebyte(image, ecuorderaddress(i));
            ASSERT_TRUE(v >= 0 && v <= 255);
        }
        ASSERT_EQ(image.afrmap[50][0], before.afrmap[50][0]);
    }
    EXPECT_GT(refused, 2000);
}
