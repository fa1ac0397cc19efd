#include "config/frmsettings1.h"

#include "config/frmmigrate.h"
#include "config/settingentry.h"
#include "config/sitespreads.h"
#include "core/calimage.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "core/messages.h"
#include "core/prefs.h"
#include "editor/axislabels.h"
#include "editor/frmfuel1links.h"
#include "editor/numbertext.h"
#include "editor/selectmap.h"
#include "platform/beep.h"
#include "platform/forms.h"
#include "platform/prompts.h"

#include <QPushButton>

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <cmath>

// The GRID X and GRID Y pages: the site increments as typed, with the site each one leads to,
// presets, the store of a whole spread (offline only) and the migration of the maps onto it.
// A spread is never sent: it reaches the ECU with the next download.

namespace korvane {

namespace {

// Runs over the 31 boxes, correcting each to 0..255 (an empty box reads 0), and hands the
// running sum after each to label; false at a box that holds no number, after saying so.
template <class Label> bool labelpass(const std::array<QLineEdit *, 31> &boxes, Label label) {
    int sum = 0;
    for (int i = 0; i < 31; ++i) {
        QLineEdit *box = boxes[i];
        if (!box) return false; // still being built
        const std::optional<double> number =
            box->text().isEmpty() ? std::optional<double>(0) : typednumber(box->text());
        if (!number) {
            showmessage("Input numbers only", "Information", 20, forced);
            return false;
        }
        const double increment = std::clamp(*number, 0.0, 255.0);
        if (box->text().isEmpty() || increment != *number) {
            const QSignalBlocker quiet(box);
            box->setText(QString::number(increment));
        }
        sum = int(std::nearbyint(sum + increment));
        label(i + 1, sum);
    }
    return true;
}

} // namespace

void frmSettings1::setlocalrstrings() {
    if (initialising) return;
    Label21[0]->setText("0 rpm");
    labelpass(Text9, [this](int site, int sum) {
        Label21[site]->setText(QString::number(sum * 5) + " rpm");
    });
}

void frmSettings1::setlocalpstrings() {
    if (initialising) return;
    const bool metric = prefs[0] != 0;
    Label22[0]->setText(loadlabel(0, metric));
    labelpass(Text35, [this, metric](int site, int sum) {
        Label22[site]->setText(loadlabel(sum, metric));
    });
}

namespace {

// Every box's number put through step; boxes holding no number stay as they are.
void stepboxes(const std::array<QLineEdit *, 31> &boxes, double (*step)(double)) {
    for (QLineEdit *box : boxes)
        if (const std::optional<double> n = typednumber(box->text()))
            box->setText(QString::number(step(*n)));
}

void redrawaxes() {
    makeaxislabels();
    if (fuel1links().loadrotcartesians) fuel1links().loadrotcartesians();
}

} // namespace

void frmSettings1::Command5_Click(int index) {
    if (index < 5)
        for (QLineEdit *box : Text9)
            box->setText(QString::number(rpmpreset(index)));
    else
        stepboxes(Text9, index == 5 ? lessresolution : moreresolution);
    setlocalrstrings();
}

void frmSettings1::Command55_Click(int index) {
    const std::array<int, 31> increments = loadpreset(index);
    for (int k = 0; k < 31; ++k)
        Text35[k]->setText(QString::number(increments[k]));
    setlocalpstrings();
}

// Stores all 31 increments of boxes into settings rows firstrow and firstrow + 1, each held to
// 0..255 and rounded half to even; a box holding no number beeps and stores nothing at all.
bool frmSettings1::storespread(const std::array<QLineEdit *, 31> &boxes, int firstrow) {
    std::array<int, 31> increments{};
    for (int i = 0; i < 31; ++i) {
        const std::optional<double> n = typednumber(boxes[i]->text());
        if (!n) {
            beep();
            return false;
        }
        increments[i] = int(std::nearbyint(std::clamp(*n, 0.0, 255.0)));
    }
    for (int i = 0; i < 31; ++i) {
        curimage.settings[firstrow + i / 16][i % 16] = int16_t(increments[i]);
        const QSignalBlocker quiet(boxes[i]);
        boxes[i]->setText(QString::number(increments[i]));
    }
    markedited();
    return true;
}

void frmSettings1::Command26_Click() {
    if (online == flagset) {
        showmessage("It is not possible to change the rpm spread online", "Information", 20,
                    forced);
        return;
    }
    if (!storespread(Text9, 6)) return;
    redrawaxes();
    drawmainmap();
    for (int k = 0; k < 32; ++k)
        Label21[k]->setText(rpmlabels[k]);
    Command53->setEnabled(true);
    Command37->setEnabled(false);
    showmessage("If you wish to migrate the current fuel, timing and VCT maps to this revised rpm "
                "spread, click 'migrate' NOW",
                "Warning", 40, forced);
}

void frmSettings1::Command38_Click() {
    if (online == flagset) {
        showmessage("It is not possible to change the load spread online", "Information", 20,
                    forced);
        return;
    }
    if (!storespread(Text35, 4)) return;
    redrawaxes();
    selectmap();
    for (int k = 0; k < 32; ++k)
        Label22[k]->setText(loadlabels[k]);
    Command24->setEnabled(true);
    showmessage("If you wish to migrate the current fuel, timing and VCT maps to this revised load "
                "spread, click 'migrate' NOW",
                "Warning", 40, forced);
}

void frmSettings1::migrate(const QString &question) {
    if (online != 0 || !msgboxokcancel(question)) return;
    form<frmMigrate>()->exec();
    selectmap();
    reject(); // the settings window closes as by its close box
}

void frmSettings1::Command53_Click() {
    migrate("Proceeding will refill the selected maps based on the new rpm site configuration. "
            "This process is not reversible. Do you wish to continue?");
}

void frmSettings1::Command24_Click() {
    migrate("Proceeding will refill the selected maps based on the new load site configuration. "
            "This process is not reversible. Do you wish to continue?");
}

} // namespace korvane
