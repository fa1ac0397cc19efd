#include "config/frmoutputs.h"

#include "config/shownbyte.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "core/mainport.h"
#include "core/names.h"
#include "core/onlineops.h"
#include "core/pauseonline.h"
#include "editor/numbertext.h"
#include "platform/beep.h"
#include "platform/forms.h"
#include "platform/quietwheel.h"
#include "platform/serialport.h"
#include "platform/tabstrip.h"
#include "platform/twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

namespace korvane {

namespace {
// The form's names of the threshold boxes and their buttons, by slot.
constexpr int thresholdtextnames[usersloteach]{4,  5,  29, 28, 27, 26, 12, 25,
                                               31, 32, 35, 36, 33, 34, 1,  3};
constexpr int thresholdbuttonnames[usersloteach]{4,  5,  31, 30, 29, 28, 12, 27,
                                                 16, 32, 35, 36, 33, 34, 1,  3};
// ... and of the scalar boxes and buttons, in the order of the scalar table.
constexpr int scalartextnames[scalarcount]{9, 14, 30, 13, 8, 15, 2, 24};
constexpr int scalarbuttonnames[scalarcount]{10, 14, 15, 13, 9, 17, 2, 24};

constexpr const char *atxlabels[10]{"1-2 10% TPS  shift speed (kph)", "1-2 70% TPS shift speed ",
                                    "2-3 10% TPS shift speed",        "2-3 70% TPS shift speed",
                                    "3-4 10% TPS shift speed",        "3-4 70% TPS shift speed",
                                    "max 4-3 kickdown rpm",           "max 3-2 kickdown rpm",
                                    "max 2-1 kickdown rpm",           "max engine speed (rpm)"};

QPushButton *enterbutton(QWidget *parent, int name) {
    auto *button = new QPushButton("enter", parent);
    button->setObjectName(QString("Command%1").arg(name));
    return button;
}

QLineEdit *entrybox(QWidget *parent, int name) {
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString("Text%1").arg(name));
    return box;
}

void showthermofan(QLineEdit *box, int byte) {
    showbyte(box, QString::number(byte - 20), byte);
}

// Selects a list position from code; -1 leaves the list empty.
void selectposition(QComboBox *list, int position) {
    list->setCurrentIndex(position);
}
} // namespace

frmOutputs::frmOutputs() {
    setWindowTitle("Output configuration");
    setFont(QFont("Arial", 8));
    setFixedSize(tw(11130), tw(7515));

    // All 24 outputs in sight, on as many rows as they need.
    TabStrip1 = new TabStrip(this);
    for (int t = 1; t <= outputcount; ++t)
        TabStrip1->addTab(outputcaption(t));
    TabStrip1->setGeometry(tw(120), tw(120), tw(10890), TabStrip1->heightForWidth(tw(10890)));
    connect(TabStrip1, &TabStrip::currentChanged, this, [this] { TabStrip1_Click(); });

    // The tab strip's client area under its rows: function buttons on the left, the frame on
    // the right.
    const int clienttop = TabStrip1->geometry().bottom() + 1;
    const QRect client(tw(120), clienttop, tw(10890), tw(6720) - clienttop);
    Frame2 = new QGroupBox("OUTPUT 1", this);
    Frame2->setGeometry(client.left(), client.top(), tw(5300) - 4, client.height());
    auto *buttons = new QGridLayout(Frame2);
    buttons->setSpacing(0);
    auto *group = new QButtonGroup(this);
    for (int code = 0; code < functioncount; ++code) {
        Option1[code] = new QRadioButton(functioncaption(code), Frame2);
        group->addButton(Option1[code], code);
        buttons->addWidget(Option1[code], code % 20, code / 20);
    }
    connect(group, &QButtonGroup::idClicked, this, &frmOutputs::Option1_Click);

    frames = new QStackedWidget(this);
    frames->setGeometry(client.left() + tw(5300), client.top(), client.width() / 2,
                        client.height());
    buildframes();

    cmdSave = new QPushButton("&Ok", this);
    cmdSave->setGeometry(tw(11130 - 1335), tw(6840), tw(1215), tw(495));
    connect(cmdSave, &QPushButton::clicked, this, &frmOutputs::cmdSave_Click);
    Form_Load();
}

void frmOutputs::buildframes() {
    for (int frame = 0; frame <= bytestreamfirst; ++frame) {
        Frame1[frame] = new QGroupBox(framecaption(frame), frames);
        frames->addWidget(Frame1[frame]);
    }
    for (int code = 8; code < 20; ++code)
        builduserframe(code);
    for (int code = 20; code < 31; ++code)
        buildpwmframe(code);
    buildscalarframes();
    buildatxframe();

    auto *bytestream = new QGridLayout(Frame1[bytestreamfirst]);
    bytestream->addWidget(new QLabel("Bytestream variable:"), 0, 0);
    Label8 = new QLabel;
    bytestream->addWidget(Label8, 0, 1);
    bytestream->setRowStretch(1, 1);
}

void frmOutputs::builduserframe(int code) {
    QGroupBox *frame = Frame1[code];
    auto *layout = new QGridLayout(frame);
    const bool pair = code >= 16; // USER 9..12 join two conditions
    const int first = pair ? 8 + 2 * (code - 16) : code - 8;
    int row = 0;
    for (int slot = first; slot <= first + (pair ? 1 : 0); ++slot) {
        if (slot != first) layout->addWidget(new QLabel("LOGICAL AND"), row++, 0, 1, 2);
        Combo5[slot] = new QComboBox(frame);
        for (const char *sign : {" >", " <"})
            for (int v = 0; v < channelcount; ++v)
                Combo5[slot]->addItem(channame[v] + sign);
        quietwheel(Combo5[slot]);
        connect(Combo5[slot], &QComboBox::activated, this, [this, slot] { Combo5_Click(slot); });
        layout->addWidget(Combo5[slot], row++, 0, 1, 2);
        thresholdbox[slot] = entrybox(frame, thresholdtextnames[slot]);
        thresholdbutton[slot] = enterbutton(frame, thresholdbuttonnames[slot]);
        connect(thresholdbutton[slot], &QPushButton::clicked, this,
                [this, slot] { threshold_Click(slot); });
        layout->addWidget(thresholdbox[slot], row, 0);
        layout->addWidget(thresholdbutton[slot], row++, 1);
    }
    layout->setRowStretch(row, 1);
}

void frmOutputs::buildpwmframe(int code) {
    const int map = code - 19;
    QGroupBox *frame = Frame1[code];
    auto *layout = new QGridLayout(frame);
    auto addinput = [&](const char *label, int k, int row) {
        layout->addWidget(new QLabel(label), row, 0);
        Combo4[k] = new QComboBox(frame);
        for (int v = 0; v < channelcount; ++v)
            Combo4[k]->addItem(channame[v]);
        quietwheel(Combo4[k]);
        connect(Combo4[k], &QComboBox::activated, this, [this, k] { Combo4_Click(k); });
        layout->addWidget(Combo4[k], row, 1);
    };
    addinput("INPUT X", pwminputx(map), 0);
    if (map >= 9) addinput("INPUT Y", pwminputy(map), 1);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(1, 1);
}

void frmOutputs::buildscalarframes() {
    std::array<QGridLayout *, bytestreamfirst> layouts{};
    auto layoutof = [&](int frame) {
        if (!layouts[frame]) layouts[frame] = new QGridLayout(Frame1[frame]);
        return layouts[frame];
    };
    auto addrow = [&](int frame, const QString &label, QLineEdit *box, QPushButton *button) {
        QGridLayout *layout = layoutof(frame);
        const int row = layout->rowCount();
        layout->addWidget(new QLabel(label), row, 0);
        layout->addWidget(box, row, 1);
        layout->addWidget(button, row, 2);
    };
    for (int i = 0; i < scalarcount; ++i) {
        const scalarsetting &s = scalarsettingof(i);
        scalarbox[i] = entrybox(Frame1[s.frame], scalartextnames[i]);
        scalarbutton[i] = enterbutton(Frame1[s.frame], scalarbuttonnames[i]);
        connect(scalarbutton[i], &QPushButton::clicked, this, [this, i] { scalar_Click(i); });
        addrow(s.frame, s.label, scalarbox[i], scalarbutton[i]);
    }
    Text10 = entrybox(Frame1[3], 10);
    Command6 = enterbutton(Frame1[3], 6);
    connect(Command6, &QPushButton::clicked, this, &frmOutputs::thermofan_Click);
    addrow(3, "ON TEMP (C)", Text10, Command6);

    auto *ratio = new QLabel("The flow ratio is the main injector total flow divided by the "
                             "staged injector total flow, multiplied by 100 (0-255%).");
    ratio->setWordWrap(true);
    layoutof(6)->addWidget(ratio, layoutof(6)->rowCount(), 0, 1, 3);
    for (QGridLayout *layout : layouts)
        if (layout) layout->setRowStretch(layout->rowCount(), 1);
}

// The gearbox settings have no place in the image yet: the boxes take text and do nothing.
void frmOutputs::buildatxframe() {
    auto *layout = new QGridLayout(Frame1[4]);
    constexpr int textnames[10]{6, 7, 16, 17, 18, 19, 20, 21, 22, 23};
    constexpr int buttonnames[10]{7, 8, 18, 19, 20, 21, 22, 23, 25, 26};
    for (int i = 0; i < 10; ++i) {
        layout->addWidget(new QLabel(atxlabels[i]), i, 0);
        layout->addWidget(entrybox(Frame1[4], textnames[i]), i, 1);
        layout->addWidget(enterbutton(Frame1[4], buttonnames[i]), i, 2);
    }
    layout->setRowStretch(10, 1);
}

void frmOutputs::Form_Load() {
    centreonscreen(*this);
    setoptions();
    initialise();
    pauseonline();
}

int frmOutputs::selectedtab() const {
    return TabStrip1->currentIndex() + 1;
}

void frmOutputs::setframe(int code) {
    if (code < 0) return;
    frames->setCurrentWidget(Frame1[frameofcode(code)]);
    // Bytestream n sends channel n - 1; a code beyond the channels names none.
    if (code >= bytestreamfirst) {
        const int channel = code - bytestreamfirst;
        Label8->setText(channel < channelcount ? channame[channel] : QString());
    }
}

void frmOutputs::setoptions() {
    const int code = functionbyte(selectedtab());
    if (code >= 0 && code < functioncount) {
        Option1[code]->setChecked(true);
    } else {
        // A code with no button: no button of the previous output may stay selected.
        QButtonGroup *group = Option1[0]->group();
        group->setExclusive(false);
        for (QRadioButton *option : Option1)
            option->setChecked(false);
        group->setExclusive(true);
    }
    setframe(code);
    Frame2->setTitle(QString("OUTPUT %1").arg(selectedtab()));
}

void frmOutputs::initialise() {
    for (int k = 0; k < int(Combo4.size()); ++k)
        if (Combo4[k]) selectposition(Combo4[k], positionofinput(pwminputbyte(k)));
    for (int slot = 0; slot < usersloteach; ++slot)
        selectposition(Combo5[slot], positionofcondition(conditionbyte(slot)));
    for (int i = 0; i < scalarcount; ++i) {
        const scalarsetting &s = scalarsettingof(i);
        showbyte(scalarbox[i], scalartext(s, scalarbyte(s)), scalarbyte(s));
    }
    showthermofan(Text10, thermofanbyte());
    loadformatdata();
    Frame2->setTitle(QString("Output %1").arg(selectedtab()));
}

void frmOutputs::loadformatdata() {
    for (int slot = 0; slot < usersloteach; ++slot)
        showbyte(thresholdbox[slot], thresholdtext(conditionbyte(slot), thresholdbyte(slot)),
                 thresholdbyte(slot));
}

void frmOutputs::changed(int address, int value) {
    markedited();
    if (mainport().PortOpen()) sendsetting(address, value);
}

void frmOutputs::Option1_Click(int code) {
    const int tab = selectedtab();
    functionbyte(tab) = int16_t(code);
    setframe(code);
    changed(functionaddress(tab), code);
}

void frmOutputs::TabStrip1_Click() {
    setoptions();
}

void frmOutputs::Combo4_Click(int k) {
    const int position = Combo4[k]->currentIndex();
    if (position < 0) return beep();
    pwminputbyte(k) = int16_t(position);
    changed(pwminputaddress(k), position);
}

void frmOutputs::Combo5_Click(int slot) {
    const int position = Combo5[slot]->currentIndex();
    if (position < 0) return beep();
    const int condition = conditionofposition(position);
    conditionbyte(slot) = int16_t(condition);
    loadformatdata();
    changed(conditionaddress(slot), condition);
}

void frmOutputs::threshold_Click(int slot) {
    QLineEdit *box = thresholdbox[slot];
    const std::optional<int> byte = fieldbyte(box, [slot](const QString &text) {
        const std::optional<double> typed = typednumber(text);
        return typed ? thresholdofentry(conditionbyte(slot), *typed) : std::nullopt;
    });
    if (!byte) {
        // A refused entry keeps the stored threshold, and the box shows it again.
        showbyte(box, thresholdtext(conditionbyte(slot), thresholdbyte(slot)), thresholdbyte(slot));
        return beep();
    }
    thresholdbyte(slot) = int16_t(*byte);
    showbyte(box, thresholdentrytext(conditionbyte(slot), *byte), *byte);
    changed(thresholdaddress(slot), *byte);
}

void frmOutputs::scalar_Click(int index) {
    const scalarsetting &s = scalarsettingof(index);
    QLineEdit *box = scalarbox[index];
    const std::optional<int> byte =
        fieldbyte(box, [&s](const QString &text) { return entrybyte(scalarentry(s, text)); });
    if (!byte) {
        showbyte(box, scalartext(s, scalarbyte(s)), scalarbyte(s));
        return beep();
    }
    scalarbyte(s) = int16_t(*byte);
    showbyte(box, scalartext(s, *byte), *byte);
    changed(scalaraddress(s), *byte);
}

void frmOutputs::thermofan_Click() {
    const std::optional<int> byte =
        fieldbyte(Text10, [](const QString &text) { return entrybyte(thermofanentry(text)); });
    if (!byte) {
        showthermofan(Text10, thermofanbyte());
        return beep();
    }
    thermofanbyte() = int16_t(*byte);
    showthermofan(Text10, *byte);
    changed(thermofanaddress, *byte);
}

void frmOutputs::cmdSave_Click() {
    done(Accepted);
}

// However it closes, the live loop comes back (or the download reminder shows) and the window
// is unloaded, so the next opening reads the image afresh.
void frmOutputs::done(int result) {
    QDialog::done(result);
    if (!resumed) {
        resumed = true;
        resumeonline();
    }
    if (forminstance<frmOutputs>() == this) unload<frmOutputs>();
}

} // namespace korvane
