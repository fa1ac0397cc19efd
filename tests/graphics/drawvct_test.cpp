#include "graphics/drawvct.h"

#include "core/editorstate.h"
#include "core/livedata.h"
#include "editor/frmfuel1.h"
#include "graphics/vctexport.h"
#include "platform/canvasrecorder.h"
#include "platform/forms.h"
#include "platform/programfolder.h"
#include "platform/workbook.h"
#include "responder.h"
#include "tempfolder.h"
#include "xlsxcells.h"

#include <QFileInfo>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace korvane;

namespace {
class CamTiming : public ::testing::Test {
  protected:
    test::TempProgramFolder folder{false};
    test::Responder responder;
    QStringList opened;
    RecordingCanvas pic;

    void SetUp() override
    {
        form<frmFuel1>(); // its hint line tells the export; its load picks a map of its own
        setworkbookopener([this](const QString &path) {
            opened << path;
            return true;
        });
        curmap = 40;
        vctview = 5;
        vctindex = 0;
        vctspread = 60;
        enginerpm = 3000;
        vct1target = 128;
        vct1feedback = 10;
        vct2feedback = 20;
        vctresearch = 7;
    }
    void TearDown() override
    {
        unload<frmFuel1>();
        setworkbookopener([](const QString &) { return true; });
        vctview = 0;
        vctindex = 0;
    }
    const Drawn *textat(double x, double y) const
    {
        for (const Drawn &d : pic.drawn)
            if (d.kind == Drawn::text && d.x1 == x && d.y1 == y) return &d;
        return nullptr;
    }
};
} // namespace

TEST_F(CamTiming, OneExportACycleWithTheRecordedSamplesOnly)
{
    enginerpm = 11999;
    drawVCT(pic);
    enginerpm = 12000;
    drawVCT(pic);
    enginerpm = 3000;
    for (int i = 2; i < 998; ++i) drawVCT(pic);
    EXPECT_TRUE(opened.isEmpty());
    drawVCT(pic);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(vctindex, 0);
    // The hint line says where the trace went.
    EXPECT_EQ(form<frmFuel1>()->Text1->text(), "The workbook \"" + QFileInfo(opened[0]).fileName() +
                                                   "\" was written in " + folder.path());

    const QMap<QString, QString> cells = test::xlsxcells(opened[0]);
    EXPECT_EQ(cells.value("A1"), "Rpm");
    EXPECT_EQ(cells.value("D1"), "VCTi1 research");
    EXPECT_EQ(cells.value("A2"), "11950");
    EXPECT_EQ(cells.value("A3"), "12750");
    EXPECT_EQ(cells.value("A1000"), "3000");
    EXPECT_EQ(cells.value("B1000"), "128");
    EXPECT_EQ(cells.value("C1000"), "10");
    EXPECT_EQ(cells.value("D1000"), "7");
    EXPECT_FALSE(cells.contains("A1001")); // the unrecorded last record
}

TEST_F(CamTiming, FailedExportIsToldWithoutABoxAndTheTraceGoesOn)
{
    setprogramfolder(folder.path() + "missing/");
    vctindex = 998;
    drawVCT(pic);
    EXPECT_EQ(vctindex, 0);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(responder.asked.empty());
    drawVCT(pic);
    EXPECT_EQ(vctindex, 1);
}

TEST_F(CamTiming, ValuesAndTraceStepsOnlyFromView5)
{
    vctview = 4;
    drawVCT(pic);
    EXPECT_TRUE(pic.drawn.empty());
    EXPECT_EQ(vctindex, 0);

    vctview = 5;
    drawVCT(pic);
    // Target 128 / 255 * 60 - 30, feedbacks 10 and 20 the same way, index, research raw.
    const struct { int y; const char *value; uint32_t colour; } rows[5] = {
        {100, "0.1", 0x00FFFF}, {400, "-27.6", 0x00FF00}, {700, "-25.3", 0xFFFF00},
        {1000, "1", 0xFFFFFF},  {1300, "7", 0x00FFFF}};
    for (const auto &row : rows) {
        const Drawn *value = textat(6000, row.y);
        ASSERT_NE(value, nullptr) << row.y;
        EXPECT_EQ(value->string, row.value) << row.y;
        EXPECT_EQ(value->colour, row.colour) << row.y;
    }
    // The first sample of a hundred clears the trace area, then the three steps at s = 1:
    // VCTi2 feedback, VCTi1 target, VCTi1 feedback.
    EXPECT_EQ(pic.drawn.front().kind, Drawn::box);
    const Drawn *step = &pic.drawn.back() - 2;
    for (auto [b, colour] : {std::pair{20, 0xFFFF00u}, {128, 0x00FFFFu}, {10, 0x00FF00u}}) {
        EXPECT_EQ(step->x1, 66);
        EXPECT_EQ(step->x2, 132);
        EXPECT_EQ(step->y1, 5000 - 9 * b);
        EXPECT_EQ((step++)->colour, colour);
    }
}
