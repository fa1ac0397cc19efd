#include "core/linestate.h"
#include "core/calimage.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/linecheck.h"
#include "core/mapfile.h"
#include "core/maptext.h"
#include "fulldisk.h"
#include "maptestkit.h"
#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cstring>

using namespace korvane;

namespace {

// Everything a load or save may change.
struct MapState {
    calimage current, source;
    QByteArray saved;
    QString name, sourcename;
    uint8_t modifiedflag;
    int32_t sums[7];
    uint8_t changed;

    static MapState now() {
        MapState s{curimage,    srcimage, savetext, mapfilename,
                   srcfilename, modified, {},       cellchanged[3][4][5]};
        std::memcpy(s.sums, mapsums, sizeof s.sums);
        return s;
    }
    bool operator==(const MapState &o) const {
        return test::sameimage(current, o.current) && test::sameimage(source, o.source) &&
               saved == o.saved && name == o.name && sourcename == o.sourcename &&
               modifiedflag == o.modifiedflag && std::memcmp(sums, o.sums, sizeof sums) == 0 &&
               changed == o.changed;
    }
};

class MapFile : public ::testing::Test {
  protected:
    void SetUp() override {
        inittables();
        // A loaded current file, a loaded source, and unsaved edits.
        test::writefile(folder.file("current.s20"), test::maptextof(test::randomimage(1)));
        test::writefile(folder.file("source.s20"), test::maptextof(test::randomimage(2)));
        ASSERT_EQ(loadmapfile(folder.file("current.s20"), true), "");
        ASSERT_EQ(loadmapfile(folder.file("source.s20"), false), "");
        curimage.rammaps[5][5] = 77;
        cellchanged[3][4][5] = 255;
        modified = 255;
    }
    test::TempProgramFolder folder{false};
};
} // namespace

TEST_F(MapFile, LoadAsCurrentReplacesImageNameSumsAndFlags) {
    const calimage image = test::randomimage(3);
    const QByteArray text = test::maptextof(image);
    test::writefile(folder.file("new.s20"), text);
    markedited();
    vctspread = 60; // asked for an earlier image: the new one brings its own
    const calimage source = srcimage;
    ASSERT_EQ(loadmapfile(folder.file("new.s20"), true), "");
    EXPECT_EQ(vctspread, 0);
    calimage cleaned = image; // the comment display zeroes characters outside 32..127
    for (int i = 42; i < 50; ++i)
        for (auto &c : cleaned.afrmap[i])
            if (c < 32 || c > 127) c = 0;
    EXPECT_TRUE(test::sameimage(curimage, cleaned));
    EXPECT_TRUE(test::sameimage(srcimage, source));
    EXPECT_EQ(mapfilename, folder.file("new.s20"));
    EXPECT_EQ(savetext, text);
    EXPECT_EQ(modified, 0);
    EXPECT_EQ(ecudirty, 255);
    EXPECT_EQ(cellchanged[3][4][5], 0);
    const int32_t sum = mapsums[2];
    calcmapsums();
    EXPECT_EQ(mapsums[2], sum);
}

TEST_F(MapFile, LoadAsSourceTouchesOnlyTheSource) {
    const MapState before = MapState::now();
    const calimage image = test::randomimage(4);
    test::writefile(folder.file("other.s20"), test::maptextof(image));
    ASSERT_EQ(loadmapfile(folder.file("other.s20"), false), "");
    EXPECT_TRUE(test::sameimage(srcimage, image));
    EXPECT_EQ(srcfilename, folder.file("other.s20"));
    MapState after = MapState::now();
    after.source = before.source;
    after.sourcename = before.sourcename;
    EXPECT_TRUE(after == before);
}

TEST_F(MapFile, BadFilesChangeNothingAndSayWhy) {
    const QByteArray good = test::maptextof(test::randomimage(5));
    QByteArray baddigit = good;
    baddigit[7 * 76 + 12] = 'x';
    QByteArray lf = good;
    lf.replace("\r\n", "\n");
    const std::pair<QByteArray, QString> cases[] = {
        {baddigit, "Line 8, position 13"},
        {good.left(76 * 401), "30476 bytes"},
        {lf, "LF only"},
        {QByteArray(), "empty"},
    };
    const MapState before = MapState::now();
    for (const auto &[bytes, why] : cases) {
        const QString path = folder.file("bad.s20");
        test::writefile(path, bytes);
        for (bool ascurrent : {true, false}) {
            const QString error = loadmapfile(path, ascurrent);
            EXPECT_TRUE(error.contains(why)) << error.toStdString();
            EXPECT_TRUE(error.contains(path));
            EXPECT_TRUE(MapState::now() == before) << why.toStdString();
        }
    }
    EXPECT_TRUE(loadmapfile(folder.file("missing.s20"), true).contains("missing.s20"));
    EXPECT_TRUE(MapState::now() == before);
}

TEST_F(MapFile, DamagedFilesOnDiskLoadWholeOrChangeNothing) {
    const QByteArray good = test::maptextof(test::randomimage(6));
    test::WaitWindowCloser closer;
    std::mt19937 rng(99);
    const QString path = folder.file("damaged.s20");
    for (int round = 0; round < 300; ++round) {
        QByteArray text = good;
        for (int n = 1 + rng() % 3; n > 0; --n)
            text[rng() % text.size()] =
                rng() % 4 ? "0123456789ABCDEFabcdef"[rng() % 22] : char(rng());
        if (round % 3 == 1) text.truncate(rng() % text.size());
        test::writefile(path, text);
        modified = 255;
        const MapState before = MapState::now();
        const QString error = loadmapfile(path, true);
        if (error.isEmpty())
            ASSERT_EQ(mapfilename, path);
        else
            ASSERT_TRUE(MapState::now() == before) << round;
        mapfilename = folder.file("current.s20");
    }
    EXPECT_GT(closer.waits, 0);
}

TEST_F(MapFile, TwoFailingLinesWaitThenLoadTheValuesAsTheyAre) {
    QByteArray text = test::maptextof(test::randomimage(7));
    text[250 * 76 + 8] = text[250 * 76 + 8] == '1' ? '2' : '1'; // rammaps column 40, load 0
    text[251 * 76 + 73] = text[251 * 76 + 73] == '1' ? '2' : '1';
    test::writefile(folder.file("altered.s20"), text);
    test::WaitWindowCloser closer;
    ASSERT_EQ(loadmapfile(folder.file("altered.s20"), true), "");
    EXPECT_EQ(closer.waits, 1);
    EXPECT_EQ(curimage.rammaps[40][0], QByteArray(text.mid(250 * 76 + 8, 2)).toInt(nullptr, 16));
}

TEST_F(MapFile, SaveWrites402LinesThatLoadBackIdentical) {
    // The loaded file's own headers, line ends and spare bytes differ from the writer's
    // skeleton: the save must carry them over.
    QByteArray custom = blankmaptext();
    custom.replace(24 * 76 + 56, 16, "0123456789ABCDEF");
    custom.replace(7 * 76, 4, "S223");
    custom.replace(9 * 76 + 74, 2, "\n\n");
    packimage(test::randomimage(1), custom);
    test::writefile(folder.file("custom.s20"), custom);
    ASSERT_EQ(loadmapfile(folder.file("custom.s20"), true), "");
    const QByteArray loaded = savetext;
    ASSERT_EQ(loaded, custom);
    const calimage image = curimage;
    modified = 255;
    const QString path = folder.file("saved.s20");
    ASSERT_EQ(savemapfile(path), "");
    EXPECT_EQ(mapfilename, path);
    EXPECT_EQ(modified, 255);
    const QByteArray written = test::readfile(path);
    ASSERT_EQ(written.size(), 402 * 76);
    for (int line = 0; line < maplinecount; ++line) {
        EXPECT_EQ(written.mid(line * 76, 8), loaded.mid(line * 76, 8));
        EXPECT_EQ(written.mid(line * 76 + 74, 2), loaded.mid(line * 76 + 74, 2));
    }
    EXPECT_EQ(written.mid(7 * 76, 4), "S223");
    EXPECT_EQ(written.mid(9 * 76 + 74, 2), "\n\n");
    EXPECT_EQ(written.mid(24 * 76 + 56, 16), "0123456789ABCDEF"); // spare bytes
    curimage = calimage{};
    ASSERT_EQ(loadmapfile(path, true), "");
    EXPECT_TRUE(test::sameimage(curimage, image));
    sumlines(written);
    EXPECT_EQ(failinglines(), 0);
}

TEST_F(MapFile, SaveWorksWhenNoFileWasEverLoaded) {
    savetext.clear();
    curimage = test::randomimage(10);
    const QString path = folder.file("fresh.s20");
    ASSERT_EQ(savemapfile(path), "");
    const QByteArray written = test::readfile(path);
    ASSERT_EQ(written.size(), mapfilelength);
    EXPECT_EQ(written.left(8), "S1231000");
    EXPECT_EQ(written.mid(401 * 76, 8), "S1235FE0");
    calimage back{};
    EXPECT_EQ(unpackimage(written, back), "");
}

TEST_F(MapFile, FailedSaveKeepsTheNameAndTheOldFile) {
    const QByteArray old = test::readfile(mapfilename);
    const QString name = mapfilename;
    const QByteArray saved = savetext;
    const QString path = folder.file("no such folder/x.s20");
    EXPECT_TRUE(savemapfile(path).contains(path));
    EXPECT_EQ(mapfilename, name);
    EXPECT_EQ(savetext, saved);
    EXPECT_EQ(test::readfile(name), old);

    // A disk that fills halfway through the file.
    curimage.rammaps[191][31] ^= 1;
    QString error;
    {
        test::FullDisk full(mapfilelength / 2);
        error = savemapfile(name);
    }
    EXPECT_TRUE(error.endsWith("File too large")) << error.toStdString();
    EXPECT_EQ(test::readfile(name), old);
}

TEST_F(MapFile, CommentsAreStoredSoEverySavedFileLoadsAgain) {
    storecomments(curimage, QString(300, 'x'));
    EXPECT_EQ(curimage.afrmap[49][31], 'x');
    storecomments(curimage, QString("tab\there é\u20AC") + QChar(127));
    const QString comment = commenttext(curimage);
    EXPECT_EQ(comment.size(), 256);
    EXPECT_EQ(comment.left(3), "tab");
    EXPECT_EQ(curimage.afrmap[42][3], 0);  // tab
    EXPECT_EQ(curimage.afrmap[42][9], 0);  // é
    EXPECT_EQ(curimage.afrmap[42][10], 0); // euro sign
    EXPECT_EQ(curimage.afrmap[42][11], 127);
    EXPECT_EQ(curimage.afrmap[42][12], ' ');
    EXPECT_EQ(curimage.afrmap[49][31], ' ');
    ASSERT_EQ(savemapfile(folder.file("commented.s20")), "");
    const calimage saved = curimage;
    ASSERT_EQ(loadmapfile(folder.file("commented.s20"), true), "");
    EXPECT_TRUE(test::sameimage(curimage, saved));

    curimage.afrmap[43][0] = 7;
    curimage.afrmap[43][1] = 200;
    curimage.afrmap[43][2] = 32;
    readcomments();
    EXPECT_EQ(curimage.afrmap[43][0], 0);
    EXPECT_EQ(curimage.afrmap[43][1], 0);
    EXPECT_EQ(curimage.afrmap[43][2], 32);
}
