#include "core/linestate.h"
#include "core/flags.h"
#include "logging/crankcapture.h"
#include "logging/crankfile.h"
#include "logging/frmtrigtest.h"
#include "platform/forms.h"
#include "fulldisk.h"
#include "responder.h"
#include "tempfolder.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace korvane;
using namespace korvane::test;

TEST(CaptureFile, WritesFourUpperCaseDigitsAnEntryAndReadsThemBack) {
    int32_t trigger[1000]{}, sync[1000]{};
    trigger[0] = 0x04D2;
    trigger[1] = 0xABCD;
    trigger[999] = 65535;
    sync[0] = 70000; // beyond four digits
    sync[1] = -5;
    sync[2] = 10;
    int clipped = 0;
    const QByteArray bytes = encodecrankfile(trigger, sync, &clipped);
    ASSERT_EQ(bytes.size(), 8000);
    EXPECT_EQ(bytes.left(12), "04D2ABCD0000");
    EXPECT_EQ(bytes.mid(3996, 16), "FFFFFFFF0000000A");
    EXPECT_EQ(clipped, 2);

    crankfileedges edges;
    ASSERT_EQ(decodecrankfile(bytes + "garbage after the 8000 bytes", edges), QString());
    EXPECT_EQ(edges.trigger[0], 0x04D2);
    EXPECT_EQ(edges.trigger[1], 0xABCD);
    EXPECT_EQ(edges.trigger[999], 65535);
    EXPECT_EQ(edges.sync[0], 65535);
    EXPECT_EQ(edges.sync[1], 0);
    EXPECT_EQ(edges.sync[2], 10);

    QByteArray lower = bytes;
    lower.replace(0, 8, "04d2abcd");
    crankfileedges fromlower;
    ASSERT_EQ(decodecrankfile(lower, fromlower), QString());
    EXPECT_EQ(fromlower.trigger[1], 0xABCD);
}

TEST(CaptureFile, ABadFileChangesNothing) {
    crankfileedges edges;
    edges.trigger[0] = 77;
    edges.sync[999] = 78;
    QByteArray bad(8000, '0');
    bad[7999] = 'G';
    EXPECT_FALSE(decodecrankfile(bad, edges).isEmpty());
    EXPECT_FALSE(decodecrankfile(QByteArray(7999, '1'), edges).isEmpty());
    EXPECT_FALSE(decodecrankfile(QByteArray(8000, ' '), edges).isEmpty());
    EXPECT_EQ(edges.trigger[0], 77);
    EXPECT_EQ(edges.sync[999], 78);
}

TEST(CaptureFile, ExportReplacesTheWholeFileAndOpenCommitsAllOrNothing) {
    TempProgramFolder folder;
    Responder responder;
    goonline();
    frmTrigtest *w = form<frmTrigtest>();
    const QString path = folder.file("run.gpr");
    QFile longer(path);
    ASSERT_TRUE(longer.open(QIODevice::WriteOnly));
    longer.write(QByteArray(9000, 'x'));
    longer.close();
    clearcrankedges();
    trigedges[0] = 300;
    syncedges[0] = 0x10000; // clipped, with a warning
    responder.answerok(path);
    w->mnuExport_Click();
    EXPECT_EQ(QFileInfo(path).size(), 8000);
    EXPECT_EQ(w->windowTitle(), path);
    EXPECT_TRUE(responder.wasasked("65535"));

    // A failed export says so and keeps the caption.
    responder.answerok(folder.file("no/such/folder/run.gpr"));
    const size_t asked = responder.asked.size();
    w->mnuExport_Click();
    EXPECT_EQ(w->windowTitle(), path);
    EXPECT_GT(responder.asked.size(), asked + 1);
    // So does one on a full disk, and the file written before stays whole.
    const auto contents = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray whole = contents();
    trigedges[0] = 301;
    {
        FullDisk full;
        responder.answerok(path);
        w->mnuExport_Click();
    }
    EXPECT_TRUE(responder.wasasked("run.gpr: File too large"));
    EXPECT_EQ(contents(), whole);
    trigedges[0] = 300;

    // Open: a good file is taken whole, a bad one changes nothing.
    clearcrankedges();
    responder.answerok(path);
    w->mnuOpengpr_Click();
    EXPECT_EQ(trigedges[0], 300);
    EXPECT_EQ(syncedges[0], 65535);
    QFile broken(folder.file("broken.gpr"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(4000, 'F') + "Z" + QByteArray(3999, '0'));
    broken.close();
    responder.answerok(broken.fileName());
    w->mnuOpengpr_Click();
    EXPECT_EQ(trigedges[0], 300);
    EXPECT_EQ(syncedges[0], 65535);
    EXPECT_EQ(w->windowTitle(), path);
    EXPECT_TRUE(responder.wasasked("not a crank test file"));

    responder.answercancel();
    w->mnuOpengpr_Click();
    EXPECT_EQ(w->windowTitle(), path);
    w->done(0);
    gooffline(Offline::windowclosing);
}
