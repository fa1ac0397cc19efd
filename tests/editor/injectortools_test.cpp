#include "core/linestate.h"
#include "core/calimage.h"
#include "core/flags.h"
#include "editor/frminjtrim.h"
#include "editor/frmwizard.h"
#include "platform/forms.h"
#include "responder.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

using namespace korvane;

namespace {
class InjectorTools : public ::testing::Test {
  protected:
    test::Responder responder;

    void SetUp() override
    {
        curimage = calimage{};
        clearchanged();
        modified = 0;
        markuploaded();
    }
    void TearDown() override
    {
        unload<frmInjtrim>();
        unload<frmwizard>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Old and new flow rates typed and entered, the question answered OK.
    void enterflow(const QString &oldrate, const QString &newrate)
    {
        frmInjtrim *window = form<frmInjtrim>();
        window->Text33->setText(oldrate);
        window->Text1->setText(newrate);
        responder.answerok();
        window->Command1_Click();
    }
};
} // namespace

TEST_F(InjectorTools, FlowRatesScaleTheFuelMapWithinItsLimits)
{
    struct Case { const char *oldrate, *newrate; int before, after; };
    const Case cases[] = {{"440", "550", 1000, 800},  {"440", "550", 3, 2}, {"440", "550", 7, 6},
                          {"550", "440", 9000, 10000}, {"1000", "1", 10, 10000},
                          {"1000", "1", 5, 5000}};
    for (const Case &c : cases) {
        curimage.fuelmap[7][9] = c.before;
        enterflow(c.oldrate, c.newrate);
        EXPECT_EQ(curimage.fuelmap[7][9], c.after) << c.oldrate << "/" << c.newrate;
        EXPECT_FALSE(loaded<frmInjtrim>());
    }
    EXPECT_EQ(modified, 255);
    EXPECT_EQ(ecudirty, 255);
    EXPECT_EQ(cellchanged[0][31][31], 255); // unchanged cells are marked too
    EXPECT_EQ(mapsums[0], 0x13 + 0x88);     // 5000 = 0x1388, the trim checksum's bytes
}

TEST_F(InjectorTools, BadFlowRatesAreRefusedAndTheWindowStays)
{
    curimage.fuelmap[2][2] = 700;
    for (const char *typed : {"letters", "0", "-440", "", "1e999", "1e-50"}) {
        enterflow("440", typed);
        enterflow(typed, "440");
    }
    EXPECT_EQ(responder.count(PromptRequest::Notice), 12);
    EXPECT_TRUE(responder.wasasked("Invalid flow rate entered"));
    EXPECT_TRUE(loaded<frmInjtrim>());
    EXPECT_EQ(curimage.fuelmap[2][2], 700);
    EXPECT_EQ(modified, 0);
}

TEST_F(InjectorTools, SliderScalesByItsPercentageAndCancelKeepsTheMap)
{
    curimage.fuelmap[0][31] = 1000;
    frmInjtrim *window = form<frmInjtrim>();
    window->Slider1->setValue(150);
    EXPECT_EQ(window->Label3->text(), "50");
    responder.answercancel();
    window->Command2_Click();
    EXPECT_EQ(curimage.fuelmap[0][31], 1000);
    EXPECT_FALSE(loaded<frmInjtrim>());
    EXPECT_EQ(modified, 0);

    form<frmInjtrim>()->Slider1->setValue(150);
    responder.answerok();
    form<frmInjtrim>()->Command2_Click();
    EXPECT_EQ(curimage.fuelmap[0][31], 1500);

    // Only the button pressed scales: Return in the slider presses no "enter", Return on the
    // slider's "enter" scales by 120 % whatever flow rates stand in the other frame.
    curimage.fuelmap[0][31] = 1000;
    window = form<frmInjtrim>();
    window->show();
    window->Text33->setText("440");
    window->Text1->setText("550");
    window->Slider1->setValue(120);
    window->Slider1->setFocus();
    const size_t asked = responder.asked.size();
    QTest::keyClick(window->Slider1, Qt::Key_Return);
    EXPECT_TRUE(responder.asked.size() == asked && loaded<frmInjtrim>());
    responder.answerok();
    QTest::keyClick(window->Command2, Qt::Key_Return);
    EXPECT_EQ(curimage.fuelmap[0][31], 1200);
}

TEST_F(InjectorTools, PresetsArePreselectedByTheirBandAndLoadedAsMap9)
{
    const std::pair<int, int> bands[] = {{599, 3}, {600, 2}, {1266, 1}, {1399, 1}, {1400, 0}};
    for (auto [sum, option] : bands) {
        for (int k = 0; k < 16; ++k) curimage.settings[17][k] = int16_t(sum / 16 + (k < sum % 16));
        frmwizard *window = form<frmwizard>();
        EXPECT_TRUE(window->Option1[option]->isChecked()) << sum;
        window->Command1_Click();
        EXPECT_FALSE(loaded<frmwizard>());
    }
    EXPECT_EQ(modified, 0);

    // Each preset's sixteen bytes at ECU 0x1110, 16 ohm to 1 ohm; a loaded one is preselected.
    const int presets[4][16] = {
        {185, 164, 148, 135, 124, 114, 105, 98, 91, 86, 81, 77, 73, 71, 69, 67},
        {139, 123, 111, 101, 93, 85, 79, 73, 68, 64, 61, 58, 55, 53, 52, 51},
        {93, 83, 74, 68, 62, 57, 53, 49, 46, 43, 41, 39, 37, 36, 35, 34},
        {46, 41, 37, 34, 31, 28, 27, 25, 23, 22, 21, 20, 19, 18, 17, 16}};
    for (int option : {1, 3, 0, 2}) {
        form<frmwizard>()->Option1[option]->setChecked(true);
        form<frmwizard>()->Command2_Click();
        for (int k = 0; k < 16; ++k)
            EXPECT_EQ(imagebyte(curimage, 0x1110 + k), presets[option][k]) << option << " " << k;
        EXPECT_EQ(imagebyte(curimage, 0x1120), 0);
        EXPECT_TRUE(form<frmwizard>()->Option1[option]->isChecked()) << option;
    }
    EXPECT_EQ(modified, 255);
    EXPECT_EQ(ecudirty, 255);
}
