#include "core/calimage.h"
#include "core/prefs.h"
#include "editor/mapcatalogue.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cstring>
#include <set>

using namespace korvane;

namespace {

// The written value differs per cell so that a cell landing on its neighbour's byte shows.
int probevalue(int map, int r, int l) { return (map * 7 + r * 5 + l * 3) % 251 + 1; }

} // namespace

TEST(MapCatalogue, EveryCellSitsAtItsEcuAddressAndNoTwoCellsShareOne)
{
    std::set<int> used;
    int cells = 0;
    for (int map = firstmap; map <= lastmap; ++map) {
        for (int r = 0; r < maprows(map); ++r) {
            for (int l = 0; l < mapcols(map); ++l) {
                calimage image{};
                const int address = celladdress(map, r, l);
                ASSERT_TRUE(isecuaddress(address)) << "map " << map << " cell " << r << "," << l;
                EXPECT_TRUE(used.insert(address).second) << "map " << map << " address " << address;
                ++cells;

                // Through the catalogue in, through the ECU address out.
                const int value = probevalue(map, r, l);
                ASSERT_TRUE(setcellvalue(image, map, r, l, map == 1 ? value * 257 : value));
                if (map == 1) {
                    EXPECT_EQ(imagebyte(image, address), value);
                    EXPECT_EQ(imagebyte(image, address + 1), value);
                } else {
                    EXPECT_EQ(imagebyte(image, address), value) << "map " << map;
                }
                // And back: the ECU byte is what the catalogue reads.
                setimagebyte(image, address, 0);
                EXPECT_EQ(cellvalue(image, map, r, l), map == 1 ? value : 0) << "map " << map;
            }
        }
    }
    // 7 + 1 maps of 32 x 32, 3 of 24 x 24 and 32 tables of 16.
    EXPECT_EQ(cells, 8 * 1024 + 3 * 576 + 32 * 16);
}

TEST(MapCatalogue, SingleWritesGoWhereTheEcuExpectsThem)
{
    for (int map = 8; map <= 39; ++map)
        for (int l = 0; l < 16; ++l) {
            EXPECT_EQ(singlewriteaddress(map, 0, l), 0x1100 + 16 * (map - 8) + l);
            // A table ignores the rpm-side cursor, wherever an earlier map left it.
            EXPECT_EQ(singlewriteaddress(map, 9, l), 0x1100 + 16 * (map - 8) + l);
        }
    for (int map = 40; map <= 42; ++map)
        for (int r = 0; r < 24; ++r)
            for (int l = 0; l < 24; ++l)
                EXPECT_EQ(singlewriteaddress(map, r, l), 0x1300 + 576 * (map - 40) + 24 * r + l);
    for (int r = 0; r < 32; ++r)
        for (int l = 0; l < 32; ++l) EXPECT_EQ(singlewriteaddress(43, r, l), 0x19C0 + 32 * r + l);
    for (int map = 1; map <= 7; ++map) EXPECT_EQ(singlewriteaddress(map, 3, 4), -1);

    EXPECT_EQ(singlewriteaddress(43, 2, 5), 0x1A05);
    EXPECT_EQ(singlewriteaddress(41, 1, 3), 0x155B);
    EXPECT_EQ(singlewriteaddress(8, 0, 15), 0x110F);
}

TEST(MapCatalogue, CellsOutsideAMapAreRefusedAndLeaveTheImageAlone)
{
    calimage image{};
    std::memset(&image, 0, sizeof image);
    const calimage before = image;
    EXPECT_FALSE(setcellvalue(image, 8, 0, 16, 1));  // a table has 16 entries
    EXPECT_FALSE(setcellvalue(image, 8, 1, 0, 1));   // and one row
    EXPECT_FALSE(setcellvalue(image, 40, 24, 0, 1)); // PWM maps are 24 x 24
    EXPECT_FALSE(setcellvalue(image, 4, 0, 32, 1));
    EXPECT_FALSE(setcellvalue(image, 4, -1, 0, 1));
    EXPECT_FALSE(setcellvalue(image, 0, 0, 0, 1));
    EXPECT_FALSE(setcellvalue(image, 44, 0, 0, 1));
    EXPECT_FALSE(setcellvalue(image, 4, 0, 0, 256)); // one ECU byte
    EXPECT_FALSE(setcellvalue(image, 43, 0, 0, -1));
    EXPECT_FALSE(setcellvalue(image, 1, 0, 0, 0x10000));
    EXPECT_EQ(std::memcmp(&image, &before, sizeof image), 0);

    EXPECT_EQ(cellvalue(image, 41, 24, 0), -1);
    EXPECT_EQ(celladdress(12, 0, 16), -1);
    EXPECT_EQ(singlewriteaddress(42, 0, 24), -1);
    EXPECT_EQ(findmap(0), nullptr);
    EXPECT_EQ(findmap(44), nullptr);
}

TEST(MapCatalogue, EachMainMapHasItsOwnTrimPreference)
{
    const auto saved = std::to_array(prefs);
    for (int slot = 13; slot <= 20; ++slot) {
        std::fill(std::begin(prefs), std::end(prefs), prefoff);
        prefs[slot] = prefon;
        for (int map = firstmap; map <= lastmap; ++map) {
            int expected = 1;
            if (map == 1 && slot == 14) expected = 10;
            if (map >= 2 && map <= 7 && slot == 13 + map) expected = 2;
            EXPECT_EQ(defaulttrimstep(map), expected) << "map " << map << " slot " << slot;
        }
    }
    std::fill(std::begin(prefs), std::end(prefs), prefon);
    for (int map = 8; map <= lastmap; ++map) EXPECT_EQ(defaulttrimstep(map), 1);
    std::copy(saved.begin(), saved.end(), prefs);
}

TEST(MapCatalogue, TableHeadersReadInTheirUnits)
{
    const QLocale saved;
    QLocale::setDefault(QLocale::c());
    const mapinfo &phasing = mapcatalogue(12);
    EXPECT_STREQ(phasing.title, "Injection phasing");
    EXPECT_STREQ(phasing.caption, "degrees");
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(headertext(phasing.headers, i), QString::number(800 * i) + " RPM");

    EXPECT_EQ(headertext(headerkind::temperature, 0), "-20 C");
    EXPECT_EQ(headertext(headerkind::temperature, 15), "130 C");
    EXPECT_EQ(headertext(headerkind::batteryvolts, 1), "10.3 V");
    EXPECT_EQ(headertext(headerkind::batteryvolts, 2), "10.7 V");
    // Halves of the decimal value round up, wherever the binary product falls:
    // 11.65, 14.95 (just below in binary) and 64.5 (exact in binary).
    EXPECT_EQ(headertext(headerkind::batteryvolts, 5), "11.7 V");
    EXPECT_EQ(headertext(headerkind::batteryvolts, 15), "15.0 V");
    EXPECT_EQ(headertext(headerkind::percent, 15), "65% X");
    EXPECT_EQ(headertext(headerkind::gear, 15), "gear 16");
    EXPECT_EQ(headertext(headerkind::throttle, 1), "7 % TPS");
    EXPECT_EQ(headertext(headerkind::throttle, 15), "99 % TPS");
    EXPECT_EQ(headertext(headerkind::retard, 15), "15 deg. retard");
    EXPECT_EQ(headertext(headerkind::pwminput, 15), "100% X");
    EXPECT_EQ(headertext(headerkind::percent, 2), "9% X");
    EXPECT_EQ(headertext(headerkind::percent, 23, 'Y'), "99% Y");

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(headertext(headerkind::batteryvolts, 0), "10,0 V");
    QLocale::setDefault(saved);
}

TEST(MapCatalogue, MenuEntriesSelectTheirMaps)
{
    // Each menu's entries select consecutive maps from its first one.
    const int firstof[] = {1, 8, 16, 24, 32, 40, 43};
    for (int map = firstmap; map <= lastmap; ++map) {
        const mapinfo &m = mapcatalogue(map);
        EXPECT_EQ(firstof[int(m.menu)] + m.menuindex, map);
    }
    EXPECT_STREQ(mapcatalogue(1).title, "Fuel map");
    EXPECT_STREQ(mapcatalogue(31).title, "Min AC ISC integrator");
    EXPECT_STREQ(mapcatalogue(39).title, "PWM MAP 8");
    EXPECT_STREQ(mapcatalogue(43).title, "AFR target");
}

TEST(MapCatalogue, RawCountsShowInTheMapsUnits)
{
    EXPECT_DOUBLE_EQ(shownvalue(1, 10000), 50);
    EXPECT_DOUBLE_EQ(shownvalue(2, 0), -10.24);
    EXPECT_DOUBLE_EQ(shownvalue(3, 255), 10.16);
    EXPECT_EQ(shownvalue(5, 100), -28);
    EXPECT_EQ(shownvalue(19, 100), 800);
    EXPECT_EQ(shownvalue(28, 255), 0); // inverted: counts below 255 are 3 mmHg each
    EXPECT_EQ(shownvalue(28, 250), 15);
    EXPECT_EQ(shownvalue(28, 0), 765);
    EXPECT_DOUBLE_EQ(shownvalue(16, 255), 38.25);
    EXPECT_EQ(mapcatalogue(28).form, valueform::whole);
    EXPECT_EQ(mapcatalogue(10).form, valueform::decimal);
    EXPECT_TRUE(mapcatalogue(40).vctform);
    EXPECT_FALSE(mapcatalogue(41).vctform);
}

TEST(MapCatalogue, RawLimitsAndChangedFlagsOfEveryMap)
{
    for (int map = firstmap; map <= lastmap; ++map) {
        const mapinfo &m = mapcatalogue(map);
        const bool sparktrim = map == 5 || map == 6, spark = map == 4 || map == 7;
        EXPECT_EQ(m.rawmin, sparktrim ? 78 : 0) << "map " << map;
        EXPECT_EQ(m.rawmax, map == 1 ? 10000 : spark ? 50 : sparktrim ? 178 : 255) << "map " << map;
        EXPECT_EQ(m.changedslot, map <= 7 ? map - 1 : map >= 40 ? map - 33 : -1) << "map " << map;
    }
}
