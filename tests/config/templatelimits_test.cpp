#include "config/outputfunctions.h"
#include "config/settingentry.h"
#include "config/settingscatalogue.h"
#include "config/triggersettings.h"
#include "core/calimage.h"
#include "core/mapfile.h"
#include "editor/mapcatalogue.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

using namespace korvane;

namespace {
int setting(int address) {
    return curimage.settings[(address - 0x1000) / 16][address % 16];
}
} // namespace

// Every byte of the shipped template that an entry of the program edits holds a value that
// entry could have stored, so neither File New nor a download sends what no tuner could type.
TEST(TemplateLimits, EveryEditedByteIsOneItsEntryCouldStore) {
    ASSERT_EQ(loadmapfile(test::datadir() + "/template.s20", true), "");

    for (const valuesetting &s : valuesettings()) {
        const int byte = setting(s.address);
        EXPECT_EQ(enteredbyte(s, valuetext(s, byte)), byte) << s.caption;
    }
    for (const flagsetting &s : flagsettings())
        EXPECT_TRUE(setting(s.address) == 0 || setting(s.address) == 15) << s.caption;
    for (const optionsetting &s : optionsettings())
        EXPECT_LT(setting(s.address), int(s.captions.size())) << s.caption;
    for (const auxsetting &s : auxsettings())
        EXPECT_EQ(setting(s.address), norequest) << s.caption;
    for (int i = 0; i < injtrims; ++i) {
        const int byte = setting(injtrimaddress + i);
        EXPECT_EQ(byte, 128) << "injector trim " << i + 1; // 0 %
        EXPECT_EQ(trimbyte((byte - 128) / 10.0), byte) << "injector trim " << i + 1;
    }

    const int edges = triggerbyte(edgebyte);
    EXPECT_NE(edges & 3, 0);      // a trigger edge is chosen
    EXPECT_NE(edges >> 2 & 3, 0); // and a sync edge
    EXPECT_EQ(edges & 0x30, 0);   // the bits every choice clears
    const entryresult cyls = cylsentry(QString::number(triggerbyte(cylsbyte)));
    EXPECT_TRUE(cyls.ok && cyls.byte == triggerbyte(cylsbyte)) << triggerbyte(cylsbyte);
    EXPECT_TRUE(refangleentry(QString::number(triggerbyte(refanglebyte))).ok);

    for (int tab = 1; tab <= outputcount; ++tab) {
        EXPECT_LT(functionbyte(tab), functioncount) << outputcaption(tab).toStdString();
        if (tab > 8) {
            EXPECT_EQ(functioncaption(functionbyte(tab)), "Off ") << tab;
        }
    }
    for (int slot = 0; slot < usersloteach; ++slot)
        EXPECT_GE(positionofcondition(conditionbyte(slot)), 0) << slot;
    for (int k = 0; k < 15; ++k)
        EXPECT_GE(positionofinput(pwminputbyte(k)), 0) << k;
    for (int i = 0; i < scalarcount; ++i) {
        const scalarsetting &s = scalarsettingof(i);
        const entryresult entry = scalarentry(s, scalartext(s, scalarbyte(s)));
        EXPECT_TRUE(entry.ok && entry.byte == scalarbyte(s)) << s.label;
    }

    for (int map = firstmap; map <= lastmap; ++map) {
        const mapinfo &m = mapcatalogue(map);
        for (int r = 0; r < maprows(map); ++r)
            for (int l = 0; l < mapcols(map); ++l) {
                const int raw = cellvalue(curimage, map, r, l);
                ASSERT_TRUE(raw >= m.rawmin && raw <= m.rawmax) << m.title << " " << r << "," << l;
            }
    }
}
