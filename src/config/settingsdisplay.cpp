#include "config/frmsettings1.h"

#include "config/settingentry.h"
#include "config/settingscatalogue.h"
#include "config/shownbyte.h"
#include "core/calimage.h"
#include "core/flags.h"
#include "editor/axislabels.h"
#include "editor/numbertext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <cmath>

// The fill of the settings window: every setting of the image shown in its control. It sets
// controls only through calls that run no handler (setChecked, setCurrentIndex, setText), so
// opening the window or "&Cancel" changes no byte, no flag and sends nothing.

namespace korvane {

namespace {
int stored(int address) {
    return imagebyte(curimage, address);
}
} // namespace

// Shows the member whose index is the stored byte, every other one cleared; a byte naming no
// member shows none, so no earlier choice stays on screen.
void frmSettings1::showoption(int group, int value) {
    for (int i = 0; i < int(Option[group].size()); ++i) {
        QRadioButton *button = Option[group][i];
        button->setAutoExclusive(false);
        button->setChecked(i == value);
        button->setAutoExclusive(true);
    }
}

void frmSettings1::initialise() {
    initialising = true;

    for (int i = 0; i < injtrims; ++i) {
        const int byte = stored(injtrimaddress + i);
        showbyte(Text15[i], trimtext(byte), byte);
    }
    for (const valuesetting &s : valuesettings())
        showbyte(Text[s.field], valuetext(s, stored(s.address)), stored(s.address));
    for (int i = 0; i < 31; ++i) {
        Text9[i]->setText(QString::number(stored(0x1060 + i)));
        Text35[i]->setText(QString::number(stored(0x1040 + i)));
    }
    const std::array<int, 3> vss = {stored(gearvssaddress), stored(gearvssaddress + 1),
                                    stored(gearvssaddress + 2)};
    for (int n = 0; n < gearvssfields; ++n)
        showbyte(Text24[n], QString::number(gearvssnibble(vss, n)), gearvssnibble(vss, n));
    setgearlabels();
    for (int n = 0; n < gearboostfields; ++n) {
        const int byte = stored(gearboostaddress + n / 2);
        const int code = n % 2 == 0 ? byte / 16 : byte % 16;
        showbyte(Text[53 + n], boosttext(code), code);
    }

    for (const flagsetting &f : flagsettings())
        Check[f.box]->setChecked(stored(f.address) > 0);
    for (const optionsetting &o : optionsettings())
        showoption(o.group, stored(o.address));
    const int modules = stored(injmodulesaddress);
    for (int i = 0; i < 8; ++i)
        showoption(10 + i, (modules >> (7 - i)) & 1);

    makeaxislabels();
    for (int k = 0; k < 32; ++k) {
        Label21[k]->setText(rpmlabels[k]);
        Label22[k]->setText(loadlabels[k]);
    }
    for (int i = 0; i < 8; ++i) {
        Check18[7 - i]->setChecked(stored(pwmfrequencygroups[0].address) >> i & 1);
        Check19[7 - i]->setChecked(stored(pwmfrequencygroups[1].address) >> i & 1);
        Check21[i]->setChecked(stored(featurebitsaddress) >> i & 1);
    }
    loadcombos();

    initialising = false;
}

void frmSettings1::loadcombos() {
    for (const auxsetting &a : auxsettings()) {
        QComboBox *combo = Combo[a.combo];
        combo->clear();
        for (const char *function : auxfunctions)
            combo->addItem(function);
        combo->setCurrentIndex(std::min(stored(a.address), norequest));
    }
}

void frmSettings1::setgearlabels() {
    for (QLineEdit *f : Text24)
        if (!f) return; // still being built
    int sum = 0;
    for (int i = 0; i < gearvssfields; ++i) {
        QLineEdit *f = Text24[i];
        if (!f->text().isEmpty()) {
            const std::optional<double> number = typednumber(f->text());
            const double value = number ? std::clamp(*number, 0.0, 15.0) : 0;
            if (!number || value != *number) {
                const QSignalBlocker quiet(f);
                f->setText(QString::number(value));
            }
            sum = int(std::nearbyint(sum + value)) & 255;
        }
        Label61[i]->setText(QString::number(sum) + " VSS / 1000 RPM");
    }
}

} // namespace korvane
