#include "core/linestate.h"
#include "core/buildprofile.h"
#include "core/calimage.h"
#include "core/flags.h"
#include "core/frmdec1.h"
#include "core/linecheck.h"
#include "core/mapfile.h"
#include "core/names.h"
#include "maptestkit.h"
#include "platform/forms.h"
#include "responder.h"
#include "tempfolder.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cstring>

using namespace korvane;

namespace {

class StartupWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        dec1links() = {};
        mapfilename.clear();
        savetext.clear();
        modified = 0;
        curimage = test::randomimage(31);
    }
    void TearDown() override {
        unload<frmdec1>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    frmdec1 *open() { return form<frmdec1>(); }
    // A second map file beside the template, loaded as current.
    QString usefile(unsigned seed) {
        const QString path = folder->file(QString("map%1.s20").arg(seed));
        test::writefile(path, test::maptextof(test::randomimage(seed)));
        responder.answerok(path);
        window->mnuopen_Click();
        return path;
    }

    test::Responder responder;
    std::unique_ptr<test::TempProgramFolder> folder = std::make_unique<test::TempProgramFolder>();
    frmdec1 *window = nullptr;
};
} // namespace

TEST_F(StartupWindow, StartsOnTheTemplateWithTheLaterButtonsDisabled) {
    window = open();
    EXPECT_TRUE(responder.asked.empty());
    EXPECT_EQ(window->windowTitle(), folder->file("template.s20"));
    EXPECT_EQ(mapfilename, folder->file("template.s20"));
    EXPECT_TRUE(window->Label2->text().startsWith("Korvane template map file"));
    EXPECT_EQ(curimage.afrmap[0][0], 147);
    EXPECT_EQ(modified, 0);
    EXPECT_FALSE(window->Command1->isEnabled());
    EXPECT_FALSE(window->Command2->isEnabled());
    EXPECT_FALSE(window->Command3->isEnabled());
    EXPECT_FALSE(window->mnuPreferences->isEnabled());
    EXPECT_EQ(window->Command3->text(), "&MAPS");
    EXPECT_TRUE(sigperm[0] % 2 == 1 && sigweights[0] == sigperm[0]); // the line check tables
    EXPECT_EQ(expectedfw, 28);                                       // the build profile is set
    EXPECT_EQ(mapnames[0], "Fuel map");                              // and the name tables built
}

TEST_F(StartupWindow, RegisteredWindowsEnableTheirButtons) {
    int maps = 0, transfers = 0;
    dec1links().maps = [&] { ++maps; };
    window = open();
    EXPECT_TRUE(window->Command3->isEnabled());
    EXPECT_FALSE(window->Command1->isEnabled());
    window->Command3->click();
    EXPECT_EQ(maps, 1);
    unload<frmdec1>();

    // At the first view Return and Space open nothing; Tab reaches each button in turn.
    dec1links().upload = dec1links().download = [&] { ++transfers; };
    window = open();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space})
        QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(maps + transfers, 1);
    for (QPushButton *button : {window->Command1, window->Command2, window->Command3}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), button);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(maps, 2);
}

TEST_F(StartupWindow, MissingOrDamagedTemplateWarnsAndGoesOn) {
    const calimage before = curimage;
    QFile::remove(folder->file("template.s20"));
    window = open();
    ASSERT_EQ(responder.asked.size(), 1u);
    EXPECT_EQ(responder.asked[0].title, "Warning");
    EXPECT_TRUE(responder.asked[0].text.contains("template.s20"));
    EXPECT_TRUE(test::sameimage(curimage, before));
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(window->windowTitle(), folder->file("template.s20"));
    EXPECT_EQ(mapfilename, folder->file("template.s20"));
    EXPECT_EQ(window->Label2->text(), "File comments");
    TearDown();

    QByteArray text = test::readfile(test::datadir() + "/template.s20");
    text[5 * 76 + 30] = 'Z';
    test::writefile(folder->file("template.s20"), text);
    responder.asked.clear();
    window = open();
    ASSERT_EQ(responder.asked.size(), 1u);
    EXPECT_TRUE(responder.asked[0].text.contains("Line 6, position 31"));
    EXPECT_TRUE(test::sameimage(curimage, before));
    // A save still writes a whole, loadable file from the writer's own skeleton.
    responder.answerok(folder->file("rescued.s20"));
    window->mnuSave_Click();
    EXPECT_EQ(test::readfile(folder->file("rescued.s20")).size(), 30552);
    EXPECT_EQ(loadmapfile(folder->file("rescued.s20"), false), "");
}

TEST_F(StartupWindow, OpenCancelledOrBadChangesNothing) {
    window = open();
    const QString good = usefile(40);
    const calimage loaded = curimage;
    responder.answercancel();
    window->mnuopen_Click();
    EXPECT_EQ(responder.asked.back().kind, PromptRequest::OpenFile);
    EXPECT_EQ(responder.asked.back().filter, "s20 files|*.s20");
    EXPECT_EQ(mapfilename, good);

    const QString bad = folder->file("bad.s20");
    test::writefile(bad, test::readfile(good).left(1000));
    responder.answerok(bad);
    window->mnuopen_Click();
    EXPECT_EQ(responder.asked.back().kind, PromptRequest::Notice);
    EXPECT_TRUE(responder.asked.back().text.contains("1000 bytes"));
    EXPECT_TRUE(test::sameimage(curimage, loaded));
    EXPECT_EQ(mapfilename, good);
    EXPECT_EQ(window->windowTitle(), good);
}

// The file dialogs open where the current map file lies, as the main window's Save does.
TEST_F(StartupWindow, FileDialogsOpenInTheFolderOfTheCurrentFile) {
    window = open();
    mapfilename = folder->file("maps/tune.s20");
    responder.answercancel();
    window->mnuSave_Click();
    window->mnuopen_Click();
    EXPECT_EQ(responder.asked[0].text, folder->file("maps/*.s20"));
    EXPECT_EQ(responder.asked[1].text, folder->file("maps/*.s20"));
}

TEST_F(StartupWindow, SaveToAnUnwritableFolderIsReportedAndTheOldFileSurvives) {
    window = open();
    const QString current = usefile(41);
    const QByteArray old = test::readfile(current);
    curimage.rammaps[0][0] ^= 1;
    markedited();

    QDir(folder->path()).mkdir("locked");
    QFile::setPermissions(folder->file("locked"), QFile::ReadOwner | QFile::ExeOwner);
    if (QFile probe(folder->file("locked/probe")); probe.open(QIODevice::WriteOnly)) {
        // Permissions do not bind this user: make "locked" a plain file, no folder at all.
        probe.remove();
        QFile::setPermissions(folder->file("locked"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(folder->path()).rmdir("locked");
        test::writefile(folder->file("locked"), "x");
    }
    responder.answerok(folder->file("locked/new.s20"));
    window->mnuSave_Click();
    EXPECT_EQ(responder.asked.back().kind, PromptRequest::Notice);
    EXPECT_TRUE(responder.asked.back().text.contains("locked/new.s20"));
    EXPECT_EQ(mapfilename, current);
    EXPECT_EQ(window->windowTitle(), current);
    EXPECT_EQ(test::readfile(current), old);
    EXPECT_EQ(modified, 255);

    // Saving over the current file works and keeps modified for the exit question.
    responder.answerok(current);
    window->mnuSave_Click();
    EXPECT_NE(test::readfile(current), old);
    EXPECT_EQ(modified, 255);
}

TEST_F(StartupWindow, ExitNewOpenAndTheCloseBoxAskBeforeLosingEdits) {
    window = open();
    const QString current = usefile(42);
    curimage.rammaps[1][1] ^= 1;
    const calimage edited = curimage;
    markedited();

    // A save keeps modified set, so the question must hold for saved changes too.
    const QString replace =
        "Discard the changes made since the calibration was loaded or uploaded?";
    responder.answercancel();
    window->mnuNew_Click();
    EXPECT_EQ(responder.asked.back().text, replace);
    responder.answercancel();
    window->mnuopen_Click();
    EXPECT_EQ(responder.asked.back().text, replace);
    EXPECT_TRUE(test::sameimage(curimage, edited));
    EXPECT_EQ(responder.count(PromptRequest::OpenFile), 1); // only the one of usefile

    responder.answercancel();
    window->mnuExit_Click();
    EXPECT_TRUE(responder.asked.back().text == "Exit without saving changes?");
    EXPECT_TRUE(loaded<frmdec1>());
    responder.answercancel();
    EXPECT_FALSE(window->close()); // the close box
    EXPECT_EQ(responder.count(PromptRequest::OkCancel), 4);

    responder.answerok();
    window->mnuNew_Click();
    EXPECT_EQ(mapfilename, folder->file("template.s20"));
    EXPECT_EQ(modified, 0);
    const size_t asked = responder.asked.size();
    EXPECT_TRUE(window->close()); // nothing to lose: no question
    EXPECT_EQ(responder.asked.size(), asked);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(loaded<frmdec1>());
    (void)current;
}

TEST_F(StartupWindow, EditingCommentsMarksTheImageEdited) {
    window = open();
    markuploaded();
    responder.answerok(QString());
    window->mnuComments_Click();
    EXPECT_EQ(modified, 0);
    responder.answerok("Ten chars.");
    window->mnuComments_Click();
    EXPECT_EQ(responder.asked.back().text, "Edit comments");
    EXPECT_EQ(modified, 255);
    EXPECT_EQ(ecudirty, 255);
    EXPECT_EQ(window->Label2->text(), QString("Ten chars.").leftJustified(256, ' '));
    EXPECT_EQ(curimage.afrmap[49][31], ' ');
}

TEST(StartupPosition, CentredAcrossAThirdDownAndNeverAboveTheScreen) {
    EXPECT_EQ(startupposition(QRect(0, 0, 1024, 920), QSize(704, 620)), QPoint(160, 100));
    EXPECT_EQ(startupposition(QRect(0, 30, 800, 500), QSize(704, 620)), QPoint(48, 30));
}
