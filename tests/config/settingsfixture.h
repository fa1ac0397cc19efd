#pragma once
#include "config/frmsettings1.h"
#include "core/linestate.h"
#include "core/buildprofile.h"
#include "core/calimage.h"
#include "core/flags.h"
#include "core/mainwindowhooks.h"
#include "core/mapfile.h"
#include "core/prefs.h"
#include "platform/forms.h"
#include "responder.h"
#include "simlink.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <cstring>

namespace korvane::test {

// The template image, a simulated ECU holding the same bytes on the open main port, and a
// stand-in for the main window's live loop; the settings window is opened by the test.
class SettingsWindow : public SimLinkTest {
  protected:
    Responder responder;
    bool liveloop = true; // the main window's Timer1
    frmSettings1 *window = nullptr;
    QLocale savedlocale;

    void SetUp() override {
        SimLinkTest::SetUp();
        QLocale::setDefault(QLocale::c()); // the texts below are written in it
        std::fill(std::begin(prefs), std::end(prefs), prefoff);
        ASSERT_EQ(loadmapfile(templatefile(), true), QString());
        ecu.loadimage(curimage);
        modified = 0;
        resetlinestate();
        livewrite = flagset; // as the main window leaves it
        mainwindowhooks().timerenabled = [this] { return liveloop; };
        mainwindowhooks().settimerenabled = [this](bool on) { liveloop = on; };
    }
    void TearDown() override {
        if (loaded<frmSettings1>()) window->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        mainwindowhooks() = MainWindowHooks{};
        resetlinestate();
        QLocale::setDefault(savedlocale);
        SimLinkTest::TearDown();
    }
    frmSettings1 *open(bool isonline) {
        isonline ? goonline() : gooffline(Offline::windowclosing);
        window = form<frmSettings1>();
        return window;
    }
    // Types text into the field of a value setting and presses its "enter" button.
    void enter(int field, int button, const QString &text) {
        window->Text.at(field)->setText(text);
        window->Command.at(button)->click();
    }
    int setting(int address) const { return imagebyte(curimage, address); }
};

} // namespace korvane::test
