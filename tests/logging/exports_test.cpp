// The log exports: text, CSV and workbook files of the log table.
#include "fulldisk.h"
#include "logging/exports.h"
#include "logging/exportswindows.h"
#include "platform/forms.h"
#include "platform/loggrid.h"
#include "platform/programfolder.h"
#include "platform/workbook.h"
#include "responder.h"
#include "tempfolder.h"
#include "xlsxcells.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>
#include <gtest/gtest.h>

using namespace korvane;
using namespace korvane::test;

namespace {
class Exports : public ::testing::Test {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        table.resize(8, 17);
        table.settext(0, 0, "timestamp");
        table.settext(0, 1, "coolant temp (C)");
        const char *times[] = {"10:00:00", "10:00:00", "10:00:01",
                               "10:00:01", "10:00:01", "10:00:02"};
        for (int r = 2; r < 8; ++r) {
            table.settext(r, 0, times[r - 2]);
            table.settext(r, 1, QString::number(r));
        }
        table.settext(3, 16, "1,5\"");
    }
    QStringList lines(const QString &path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QStringList all = QString::fromLatin1(file.readAll()).split("\r\n");
        all.removeLast(); // after the last CR LF
        return all;
    }

    // Opens the export window T on the table and lets its timer run the export.
    template <class T> void runwindow() {
        T *window = form<T>();
        window->source = &table;
        for (int i = 0; i < 6; ++i)
            window->Timer1_Timer();
    }
    // The ticks of 100 ms the notice of exactly this text stayed; 0 when none was shown.
    static int noticeticks(const Responder &responder, const QString &text) {
        for (const PromptRequest &asked : responder.asked)
            if (asked.kind == PromptRequest::Notice && asked.text == text) return asked.ticks;
        return 0;
    }

    TempProgramFolder folder;
    LogTable table;
};
} // namespace

TEST_F(Exports, TextHasEveryRowTheLastToo) {
    ASSERT_EQ(exporttext(table, folder.file("log.txt"), {}), QString());
    const QStringList text = lines(folder.file("log.txt"));
    ASSERT_EQ(text.size(), 8);
    EXPECT_TRUE(text[0].startsWith("timestamp  coolant temp (C)    "));
    EXPECT_EQ(text[1], QString(32, ' '));
    EXPECT_EQ(text[2], "10:00:00  2" + QString(30, ' '));
    EXPECT_TRUE(text[7].startsWith("10:00:02  7  "));
}

TEST_F(Exports, CsvSpreadsTheSamplesOfASecondAndQuotes) {
    ASSERT_EQ(exportcsv(table, folder.file("log.csv"), {}), QString());
    const QStringList csv = lines(folder.file("log.csv"));
    ASSERT_EQ(csv.size(), 7);
    EXPECT_TRUE(csv[0].startsWith("timestamp,coolant temp (C),,"));
    EXPECT_EQ(csv[1], "0,2" + QString(15, ','));
    EXPECT_EQ(csv[2], "500,3" + QString(15, ',') + "\"1,5\"\"\"");
    EXPECT_TRUE(csv[3].startsWith("1000,4,"));
    EXPECT_TRUE(csv[4].startsWith("1333.3,5,"));
    EXPECT_TRUE(csv[5].startsWith("1666.7,6,"));
    EXPECT_TRUE(csv[6].startsWith("2000,7,")); // the look-ahead ends at the last row

    table.settext(2, 0, "23:59:59"); // across midnight
    table.settext(3, 0, "00:00:00");
    EXPECT_EQ(csvtimes(table, 2, 3), (std::vector<QString>{"0", "1000"}));

    // The look-ahead counts at most 21 samples to a second: 23 of them step by 1000 / 21.
    LogTable busy;
    busy.resize(24, 17);
    for (int r = 0; r < 24; ++r)
        busy.settext(r, 0, r < 23 ? "10:00:05" : "10:00:06");
    const std::vector<QString> busytimes = csvtimes(busy, 0, 23);
    EXPECT_EQ(busytimes[1], "47.6");
    EXPECT_EQ(busytimes[22], "1047.6");
    EXPECT_EQ(busytimes[23], "1000");

    // A report starts at row 1 with its seconds as milliseconds; an empty time ends it.
    table.settext(0, 0, "Time (s)");
    table.settext(1, 0, "B:0 2.7");
    table.settext(3, 0, "");
    ASSERT_EQ(exportcsv(table, folder.file("report.csv"), {}), QString());
    const QStringList report = lines(folder.file("report.csv"));
    ASSERT_EQ(report.size(), 3);
    EXPECT_TRUE(report[1].startsWith("2700,"));
}

TEST_F(Exports, WorkbookHoldsTheHeadingsAndTheRows) {
    Responder responder;
    QStringList opened;
    setworkbookopener([&](const QString &path) {
        opened << path;
        return true;
    });
    runwindow<frmExport>();
    setworkbookopener({});
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(noticeticks(responder, "The workbook \"" + QFileInfo(opened[0]).fileName() +
                                         "\" was written in " + folder.path()),
              80);
    const QMap<QString, QString> cells = xlsxcells(opened[0]);
    EXPECT_EQ(cells.value("A1"), "timestamp");
    EXPECT_EQ(cells.value("B1"), "coolant temp (C)");
    EXPECT_EQ(cells.value("A3"), "10:00:00");
    EXPECT_EQ(cells.value("B8"), "7");
}

TEST_F(Exports, FailuresAndCancelWriteNothing) {
    EXPECT_FALSE(exporttext(table, folder.file("missing/log.txt"), {}).isEmpty());
    EXPECT_FALSE(exportcsv(table, folder.file("missing/log.csv"), {}).isEmpty());
    EXPECT_FALSE(validexportname("../log"));
    EXPECT_FALSE(validexportname("a/b"));
    EXPECT_TRUE(validexportname("run 3"));

    // Through the window: Cancel writes nothing; an unwritable folder is told.
    Responder responder;
    responder.answercancel();
    runwindow<frmExportText>();
    EXPECT_EQ(QDir(folder.path()).entryList({"*.txt"}), QStringList{"triggers.txt"});
    EXPECT_FALSE(loaded<frmExportText>());
    // Ok with the name emptied writes under the default name; each export says where it wrote.
    responder.answerok("");
    runwindow<frmExportCsv>();
    responder.answerok("run");
    runwindow<frmExportText>();
    EXPECT_TRUE(QFile::exists(folder.file("logtextfilename.csv")));
    for (const QString notice :
         {"The CSV file \"logtextfilename.csv\"", "The text file \"run.txt\""})
        EXPECT_EQ(noticeticks(responder, notice + " was written in " + folder.path()), 80);

    // Closed before its export began: it never asks for a name nor writes later.
    frmExportText *window = form<frmExportText>();
    window->source = &table;
    static_cast<QDialog *>(window)->reject(); // Escape or the close box
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_FALSE(loaded<frmExportText>());

    // A workbook no application could open is told as written, under its name.
    setworkbookopener([](const QString &) { return false; });
    runwindow<frmExport>();
    setworkbookopener([](const QString &) { return true; });
    const QStringList written = QDir(folder.path()).entryList({"Log *.xlsx"});
    ASSERT_EQ(written.size(), 1);
    EXPECT_EQ(noticeticks(responder, "The workbook \"" + written[0] + "\" was written in " +
                                         folder.path() +
                                         ", but the program could not confirm that it was opened"),
              80);
    EXPECT_FALSE(responder.wasasked("An export error occured"));

    // A full disk keeps the earlier exports whole and says why.
    const auto contents = [this](const QString &name) {
        QFile file(folder.file(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    for (const char *name : {"logtextfilename.csv", "log.txt"}) {
        QFile earlier(folder.file(name));
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier export");
    }
    QString texterror;
    {
        FullDisk full;
        responder.answerok("");
        runwindow<frmExportCsv>();
        texterror = exporttext(table, folder.file("log.txt"), {});
    }
    EXPECT_TRUE(responder.wasasked("An export error occured: Cannot write " +
                                   folder.file("logtextfilename.csv") + ": File too large"));
    EXPECT_TRUE(texterror.endsWith("log.txt: File too large")) << texterror.toStdString();
    EXPECT_EQ(contents("logtextfilename.csv"), "earlier export");
    EXPECT_EQ(contents("log.txt"), "earlier export");

    setprogramfolder(folder.path() + "missing/");
    responder.answerok("log");
    runwindow<frmExportText>();
    EXPECT_TRUE(responder.wasasked("An export error occured"));
    setprogramfolder(folder.path());
}
