#include "core/colours.h"
#include "core/prefs.h"
#include "fulldisk.h"
#include "platform/programfolder.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <iterator>

using namespace korvane;
using korvane::test::TempProgramFolder;

namespace {
QByteArray readfile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writefile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every test starts from a fresh folder and leaves the shared slots as it found them.
class PrefsFiles : public ::testing::Test {
  protected:
    void SetUp() override
    {
        std::copy(std::begin(prefs), std::end(prefs), savedprefs);
        std::copy(std::begin(colours), std::end(colours), savedcolours);
    }
    void TearDown() override
    {
        std::copy(std::begin(savedprefs), std::end(savedprefs), prefs);
        std::copy(std::begin(savedcolours), std::end(savedcolours), colours);
        setpreferencessavedhook({});
    }
    TempProgramFolder folder{false};
    int16_t savedprefs[21];
    uint32_t savedcolours[8];
};

void loadpreferencesfrom(const QByteArray &bytes)
{
    writefile(preferencesfile(), bytes);
    loadpreferences();
}
} // namespace

TEST_F(PrefsFiles, PreferencesSaveByteForByteAndReadBack)
{
    for (int i = 0; i < 21; ++i) prefs[i] = i % 2 == 0 ? prefon : prefoff;
    comport = 3;
    EXPECT_EQ(savepreferences(), "");
    EXPECT_EQ(readfile(preferencesfile()), QByteArray("TFTFTFTFTFT3TFTFTFTFT"));

    std::fill(std::begin(prefs), std::end(prefs), int16_t(0));
    loadpreferences();
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(prefs[i], i == 11 ? 3 : i % 2 == 0 ? prefon : prefoff) << "slot " << i;
    EXPECT_EQ(hidemessages, prefon);
}

TEST_F(PrefsFiles, OnlyTrueIsSavedAsT)
{
    std::fill(std::begin(prefs), std::end(prefs), int16_t(1)); // set to 1 by mistake, not -1
    prefs[5] = prefon;
    comport = 1;
    EXPECT_EQ(savepreferences(), "");
    EXPECT_EQ(readfile(preferencesfile()), QByteArray("FFFFFTFFFFF1FFFFFFFFF"));
}

TEST_F(PrefsFiles, OddBytesReadAsTheFileFormatSays)
{
    // Any byte above "F" is on: "t" and "G" included; "F", digits and zero are off.
    loadpreferencesfrom(QByteArray("tG1F0T\0" "ZZZZ2ZZZZZZZZ", 20) + "Z");
    const int16_t expected[21]{prefon, prefon, prefoff, prefoff, prefoff, prefon, prefoff,
                               prefon, prefon, prefon, prefon, 2, prefon, prefon, prefon,
                               prefon, prefon, prefon, prefon, prefon, prefon};
    for (int i = 0; i < 21; ++i) EXPECT_EQ(prefs[i], expected[i]) << "slot " << i;
}

TEST_F(PrefsFiles, MissingShortOrOverlongFilesGiveDefaults)
{
    std::fill(std::begin(prefs), std::end(prefs), prefon);
    loadpreferences(); // no file at all
    for (int i = 0; i < 21; ++i) EXPECT_EQ(prefs[i], i == 11 ? 1 : prefoff) << "slot " << i;

    loadpreferencesfrom("TT"); // short: the rest reads as zero bytes
    EXPECT_EQ(rpmhold, prefon);
    EXPECT_EQ(loadhold, prefoff);
    EXPECT_EQ(comport, 1);

    loadpreferencesfrom(QByteArray("FFFFFFFFFFF4FFFFFFFFF") + "TTTTTTTT"); // tail ignored
    EXPECT_EQ(comport, 4);
    EXPECT_EQ(prefs[20], prefoff);
}

TEST_F(PrefsFiles, ComPortsOneToFiveSurviveASaveOthersSaveAsOne)
{
    for (int port = 1; port <= 5; ++port) {
        comport = int16_t(port);
        EXPECT_EQ(savepreferences(), "");
        EXPECT_EQ(uint8_t(readfile(preferencesfile())[11]), 48 + port);
        comport = 0;
        loadpreferences();
        EXPECT_EQ(comport, port);
    }
    for (int16_t outside : {0, 6, 7, 10, 15, 16, -1, 255}) {
        comport = outside;
        EXPECT_EQ(savepreferences(), "");
        EXPECT_EQ(readfile(preferencesfile())[11], '1') << outside;
    }
    for (char stored : {'0', '6', ':', '@', 'T', char(0)}) {
        loadpreferencesfrom(QByteArray("FFFFFFFFFFF") + stored + "FFFFFFFFF");
        EXPECT_EQ(comport, 1) << int(stored);
    }
}

TEST_F(PrefsFiles, SaveReplacesALongerFileWholeAndRunsTheRefreshHook)
{
    writefile(preferencesfile(), QByteArray(40, 'T'));
    int refreshes = 0;
    setpreferencessavedhook([&refreshes] { ++refreshes; });
    std::fill(std::begin(prefs), std::end(prefs), prefoff);
    comport = 2;
    EXPECT_EQ(savepreferences(), "");
    EXPECT_EQ(readfile(preferencesfile()), QByteArray("FFFFFFFFFFF2FFFFFFFFF"));
    EXPECT_EQ(refreshes, 1);
}

TEST_F(PrefsFiles, FailedSavesAreReportedAndLeaveNoFile)
{
    int refreshes = 0;
    setpreferencessavedhook([&refreshes] { ++refreshes; });
    setprogramfolder(folder.path() + "no such folder/");
    const QString preferror = savepreferences();
    const QString colourerror = savecolors();
    EXPECT_TRUE(preferror.contains("preferences.dat")) << preferror.toStdString();
    EXPECT_TRUE(colourerror.contains("colors.dat")) << colourerror.toStdString();
    EXPECT_FALSE(QFile::exists(preferencesfile()));
    EXPECT_EQ(refreshes, 1); // the labels still follow the preferences held in memory
    setprogramfolder(folder.path());
}

TEST_F(PrefsFiles, AFullDiskKeepsTheOldFilesWholeAndSaysWhy)
{
    writefile(preferencesfile(), "TTTTTTTTTTT1TTTTTTTTT");
    writefile(coloursfile(), QByteArray(24, '\x11'));
    std::fill(std::begin(prefs), std::end(prefs), prefoff);
    colours[0] = 0x00ABCDEF;
    QString preferror, colourerror;
    {
        test::FullDisk full;
        preferror = savepreferences();
        colourerror = savecolors();
    }
    EXPECT_TRUE(preferror.contains("preferences.dat: File too large")) << preferror.toStdString();
    EXPECT_TRUE(colourerror.contains("colors.dat: File too large")) << colourerror.toStdString();
    EXPECT_EQ(readfile(preferencesfile()), QByteArray("TTTTTTTTTTT1TTTTTTTTT"));
    EXPECT_EQ(readfile(coloursfile()), QByteArray(24, '\x11'));
}

TEST_F(PrefsFiles, ColoursSaveByteForByteAndReadBack)
{
    const uint32_t chosen[8]{0x123456, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFFFF00, 0xFF0000,
                             0x808080, 0x010203};
    std::copy(std::begin(chosen), std::end(chosen), colours);
    EXPECT_EQ(savecolors(), "");
    EXPECT_EQ(readfile(coloursfile()),
              QByteArray::fromHex("00123456" "00FFFFFF" "000000FF" "0000FF00" "00FF0000"
                                  "00808080"));
    std::fill(std::begin(colours), std::end(colours), 0u);
    colours[4] = 0xFFFF00; // the panel state colour is not the file's business
    loadcolors();
    for (int slot : {0, 1, 2, 3, 5, 6}) EXPECT_EQ(colours[slot], chosen[slot]) << slot;
    EXPECT_EQ(colours[4], 0xFFFF00u);
    EXPECT_EQ(colours[7], blendcolour(0x123456, 0xFFFFFF));
}

TEST_F(PrefsFiles, ColourRecordsIgnoreTheirFirstByte)
{
    writefile(coloursfile(), QByteArray::fromHex("00FF8040" "7FFF8040"));
    loadcolors();
    EXPECT_EQ(colours[0], 0xFF8040u); // blue FF, green 80, red 40
    EXPECT_EQ(colours[1], 0xFF8040u);
    EXPECT_EQ(colours[2], 0u); // beyond the end of the short file
    EXPECT_EQ(colours[6], 0u);
}

TEST_F(PrefsFiles, BlendRoundsHalfToEven)
{
    EXPECT_EQ(blendcolour(0x000000, 0xFFFFFF), 0xADADADu); // 173.4 in each channel
    EXPECT_EQ(blendcolour(0xFFFFFF, 0x000000), 0x4C4C4Cu); // 76.5 goes to 76, not 77
    EXPECT_EQ(blendcolour(0xFF0000, 0x0000FF), 0x4C00ADu); // channels stay apart
    writefile(coloursfile(), QByteArray::fromHex("00FFFFFF" "00000000"));
    loadcolors();
    EXPECT_EQ(colours[7], 0x4C4C4Cu);
}

TEST_F(PrefsFiles, LoadingColoursResetsTheTraces)
{
    resettraces(0xABCDEF);
    visittrace[2][24][24] = 0x111111; // outside the 24 x 24 maps: left alone
    writefile(coloursfile(), QByteArray::fromHex("00000000" "00336699"));
    loadcolors();
    EXPECT_EQ(fueltrace[31][31], 0x336699u);
    EXPECT_EQ(sparktrace[0][17], 0x336699u);
    EXPECT_EQ(visittrace[2][23][23], 0x336699u);
    EXPECT_EQ(visittrace[2][24][24], 0x111111u);

    QFile::remove(coloursfile());
    std::fill(std::begin(colours), std::end(colours), 0xFFFFFFu);
    loadcolors();
    for (int slot : {0, 1, 2, 3, 5, 6, 7}) EXPECT_EQ(colours[slot], 0u) << slot;
    EXPECT_EQ(fueltrace[5][5], 0u);
    EXPECT_EQ(visittrace[0][0][0], 0u);
}
