#include "config/frmsettings1.h"

#include "config/settingentry.h"
#include "core/messages.h"
#include "core/prefs.h"
#include "editor/axislabels.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <cmath>

// The GRID X and GRID Y pages: the site increments as typed, with the site each one leads to.

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
            box->text().isEmpty() ? std::optional<double>(0) : entrynumber(box->text());
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

} // namespace korvane
