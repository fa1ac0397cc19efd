#include "config/frmsettings1.h"

#include "config/settingentry.h"
#include "config/settingscatalogue.h"
#include "config/shownbyte.h"
#include "core/calimage.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "core/mainport.h"
#include "core/onlineops.h"
#include "core/timing.h"
#include "editor/numbertext.h"
#include "platform/beep.h"
#include "platform/serialport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

// What one user action on the settings window stores. Every handler stores into curimage,
// marks the image changed and, while the main port is open, sends the byte (sendsetting sends
// only while the window was opened with the live loop running). A refused entry beeps and puts
// the stored value back on screen; it never changes the image. A field whose text is still
// the one shown for its byte stores that byte again (showbyte): only a changed text is read.

namespace korvane {

namespace {
constexpr long sendgap = 10001; // between the bytes of a group, as the ECU expects
int stored(int address) {
    return imagebyte(curimage, address);
}
void showvalue(QLineEdit *edit, const valuesetting &s, int byte) {
    showbyte(edit, valuetext(s, byte), byte);
}
void showtrim(QLineEdit *edit, int byte) {
    showbyte(edit, trimtext(byte), byte);
}
} // namespace

void frmSettings1::store(int address, int value) {
    setimagebyte(curimage, address, uint8_t(value));
    markedited();
    if (mainport().PortOpen()) sendsetting(address, value);
}

const valuesetting &frmSettings1::settingofbutton(int button) const {
    const auto settings = valuesettings();
    return *std::find_if(settings.begin(), settings.end(),
                         [button](const valuesetting &s) { return s.button == button; });
}

void frmSettings1::Command_Click(int button) {
    const valuesetting &s = settingofbutton(button);
    QLineEdit *edit = Text[s.field];
    const std::optional<int> byte =
        fieldbyte(edit, [&s](const QString &text) { return enteredbyte(s, text); });
    if (!byte) {
        beep();
        showvalue(edit, s, stored(s.address));
        return;
    }
    showvalue(edit, s, *byte);
    store(s.address, *byte);
}

void frmSettings1::Check_Click(int box) {
    for (const flagsetting &f : flagsettings())
        if (f.box == box) store(f.address, Check[box]->isChecked() ? 15 : 0);
}

void frmSettings1::Option_Click(int group, int index) {
    for (const optionsetting &o : optionsettings())
        if (o.group == group) store(o.address, index);
}

void frmSettings1::Combo_Click(int combo) {
    for (const auxsetting &a : auxsettings()) {
        if (a.combo != combo) continue;
        const int index = Combo[combo]->currentIndex();
        if (index < 0) { // nothing chosen: keep the stored code
            beep();
            Combo[combo]->setCurrentIndex(std::min(stored(a.address), norequest));
            return;
        }
        store(a.address, std::min(index, norequest));
    }
}

void frmSettings1::Command10_Click() {
    int modules = 0;
    for (int i = 0; i < 8; ++i)
        if (Option[10 + i][1]->isChecked()) modules |= 128 >> i;
    store(injmodulesaddress, modules);
}

void frmSettings1::Check21_Click(int index) {
    const int bits = stored(featurebitsaddress);
    store(featurebitsaddress,
          Check21[index]->isChecked() ? bits | (1 << index) : bits & ~(1 << index));
}

namespace {
int pwmmask(const std::array<QCheckBox *, 8> &boxes) {
    int mask = 0;
    for (int i = 0; i < 8; ++i)
        if (boxes[i]->isChecked()) mask |= 1 << (7 - i);
    return mask;
}
} // namespace

void frmSettings1::Command51_Click() {
    store(pwmfrequencygroups[0].address, pwmmask(Check18));
}
void frmSettings1::Command52_Click() {
    store(pwmfrequencygroups[1].address, pwmmask(Check19));
}

void frmSettings1::Command13_Click(int index) {
    const int address = injtrimaddress + index;
    const std::optional<int> byte =
        fieldbyte(Text15[index], [](const QString &text) -> std::optional<int> {
            const std::optional<double> trim = typednumber(text);
            if (!trim) return std::nullopt;
            return trimbyte(*trim);
        });
    if (!byte) {
        beep();
        showtrim(Text15[index], stored(address));
        return;
    }
    showtrim(Text15[index], *byte);
    store(address, *byte);
}

void frmSettings1::Command56_Click() {
    std::array<double, 6> fields{};
    for (int n = 0; n < gearvssfields; ++n) {
        if (const std::optional<int> nibble = keptbyte(Text24[n])) {
            fields[n] = *nibble;
            continue;
        }
        const std::optional<double> number = typednumber(Text24[n]->text());
        if (!number) {
            beep();
            Text24[n]->setText("0");
            return;
        }
        fields[n] = std::clamp(*number, 0.0, 15.0);
        if (fields[n] != *number) Text24[n]->setText(QString::number(fields[n]));
    }
    const std::array<int, 3> bytes = gearvssbytes(fields);
    for (int n = 0; n < gearvssfields; ++n)
        showbyte(Text24[n], QString::number(gearvssnibble(bytes, n)), gearvssnibble(bytes, n));
    for (int k = 0; k < 3; ++k) {
        if (k > 0 && mainport().PortOpen()) countedpause(mainport(), sendgap);
        store(gearvssaddress + k, bytes[k]);
    }
}

void frmSettings1::Command58_Click() {
    std::array<int, 4> codes{};
    for (int n = 0; n < gearboostfields; ++n) {
        if (const std::optional<int> code = keptbyte(Text[53 + n])) {
            codes[n] = *code;
            continue;
        }
        const std::optional<double> number = typednumber(Text[53 + n]->text());
        if (!number) {
            beep();
            Text[53 + n]->setText("0");
            return;
        }
        codes[n] = boostcode(*number);
    }
    for (int n = 0; n < gearboostfields; ++n)
        showbyte(Text[53 + n], boosttext(codes[n]), codes[n]);
    store(gearboostaddress, 16 * codes[0] + codes[1]);
    if (mainport().PortOpen()) countedpause(mainport(), sendgap);
    store(gearboostaddress + 1, 16 * codes[2] + codes[3]);
}

// A closed throttle two counts above the live reading; the entry holds it to 255.
void frmSettings1::Command45_Click() {
    if (online != flagset) return;
    Text[closedthrottlefield]->setText(QString::number(livetps + 2));
    Command_Click(17);
}

void frmSettings1::Command46_Click() {
    if (online != flagset) return;
    Text[widethrottlefield]->setText(QString::number(livetps));
    Command_Click(18);
}

} // namespace korvane
