#include "config/frmtrig1.h"

#include "config/edgepictures.h"
#include "config/shownbyte.h"
#include "config/triggers.h"
#include "config/triggersettings.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "core/messages.h"
#include "platform/beep.h"
#include "platform/forms.h"
#include "platform/picturebox.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace korvane {

namespace {
struct boxfield {
    int k;     // byte of the trigger block
    int shift; // 3-bit fields: the lowest bit
    int text, button;
    const char *label;
};
constexpr boxfield bytefields[8]{
    {6, 0, 1, 2, "VCTi-TRIG SYNC OFFSET (degrees)"},
    {7, 0, 11, 12, "VCTe-TRIG SYNC OFFSET (degrees)"},
    {8, 0, 2, 3, "VCTi PROPORTIONAL (P, 0-255)"},
    {9, 0, 3, 4, "VCTi INTEGRAL (I, 0-255)"},
    {10, 0, 4, 5, "VCTi SPREAD (degrees total)"},
    {12, 0, 5, 7, "VCTe PROPORTIONAL (P, 0-255)"},
    {13, 0, 6, 8, "VCTe INTEGRAL (I, 0-255)"},
    {14, 0, 7, 9, "VCTe SPREAD (degrees total)"},
};
constexpr boxfield bitfields[4]{
    {vcticonfig, 3, 12, 13, "VCTi CENTRE TRIM (0-7)"},
    {vcticonfig, 0, 13, 14, "VCTi FEEDFORWARD WEIGHT (0-7)"},
    {vcteconfig, 3, 8, 10, "VCTe CENTRE TRIM (0-7)"},
    {vcteconfig, 0, 9, 11, "VCTe FEEDFORWARD WEIGHT (0-7)"},
};

QLineEdit *entrybox(QWidget *parent, int name) {
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString("Text%1").arg(name));
    return box;
}

QPushButton *enterbutton(QWidget *parent, int name) {
    auto *button = new QPushButton("enter", parent);
    button->setObjectName(QString("Command%1").arg(name));
    return button;
}

// The box shows byte k of the block, and stands for it while its text stays as shown.
void showtriggerbyte(QLineEdit *box, int k) {
    showbyte(box, QString::number(triggerbyte(k)), triggerbyte(k));
}

// One labelled entry row of a frame's grid.
void addentry(QGridLayout *layout, const QString &label, QLineEdit *box, QPushButton *button) {
    const int row = layout->rowCount();
    layout->addWidget(new QLabel(label), row, 0);
    layout->addWidget(box, row, 1);
    layout->addWidget(button, row, 2);
}
} // namespace

frmTrig1::frmTrig1() {
    setWindowTitle("Trigger Settings");
    setFont(QFont("Arial", 8));
    setFixedSize(tw(13380), tw(7890));
    std::array<QRadioButton *, 3> trigger{}, sync{};
    buildedgeframe("TRIGGER EDGE", 0, trigger)->setGeometry(tw(120), tw(60), tw(6600), tw(2100));
    buildedgeframe("SYNC EDGE", 3, sync)->setGeometry(tw(120), tw(2220), tw(6600), tw(2100));
    Option1 = trigger[0], Option2 = trigger[1], Option10 = trigger[2];
    Option3 = sync[0], Option4 = sync[1], Option9 = sync[2];
    for (int edge = 1; edge <= 3; ++edge) {
        connect(trigger[edge - 1], &QRadioButton::clicked, this,
                [this, edge] { triggeredge_Click(edge); });
        connect(sync[edge - 1], &QRadioButton::clicked, this,
                [this, edge] { syncedge_Click(edge); });
    }
    buildtypeframe()->setGeometry(tw(120), tw(4380), tw(6600), tw(3420));
    buildvctframe()->setGeometry(tw(6840), tw(60), tw(6420), tw(7080));
    Command1 = new QPushButton("&Ok", this);
    Command1->setGeometry(tw(13380 - 1335), tw(7260), tw(1215), tw(495));
    connect(Command1, &QPushButton::clicked, this, &frmTrig1::Command1_Click);
    Form_Load();
}

QGroupBox *frmTrig1::buildedgeframe(const QString &title, int first,
                                    std::array<QRadioButton *, 3> &options) {
    auto *frame = new QGroupBox(title, this);
    auto *layout = new QGridLayout(frame);
    constexpr const char *captions[3]{"RISING", "FALLING", "ANY EDGE"};
    for (int i = 0; i < 3; ++i) {
        Picture[first + i] = new PictureBox(frame);
        Picture[first + i]->setFixedSize(tw(2000), tw(1095));
        options[i] = new QRadioButton(captions[i], frame);
        layout->addWidget(Picture[first + i], 0, i);
        layout->addWidget(options[i], 1, i);
    }
    return frame;
}

QGroupBox *frmTrig1::buildtypeframe() {
    auto *frame = new QGroupBox("TRIGGER TYPE", this);
    auto *layout = new QGridLayout(frame);
    auto addlist = [&](const char *label, QComboBox *&list, int k) {
        const int row = layout->rowCount();
        layout->addWidget(new QLabel(label), row, 0);
        list = new QComboBox(frame);
        layout->addWidget(list, row, 1, 1, 2);
        QComboBox *box = list;
        connect(box, &QComboBox::activated, this, [this, box, k] { list_Click(box, k); });
    };
    addlist("TRIGGER TYPE", Combo1, 1);
    addlist("SYNC TYPE", Combo2, 2);
    addlist("SYNC AFTER", Combo3, 4);
    Text10 = entrybox(frame, 10);
    Command6 = enterbutton(frame, 6);
    addentry(layout, "REF ANGLE (BTDC)", Text10, Command6);
    connect(Command6, &QPushButton::clicked, this, &frmTrig1::Command6_Click);
    Text24 = entrybox(frame, 24);
    Command24 = enterbutton(frame, 24);
    addentry(layout, "CYLS", Text24, Command24);
    connect(Command24, &QPushButton::clicked, this, &frmTrig1::Command24_Click);
    layout->setColumnStretch(1, 1);
    return frame;
}

QGroupBox *frmTrig1::buildvctframe() {
    auto *frame = new QGroupBox("VCT", this);
    auto *layout = new QGridLayout(frame);
    Option5 = new QRadioButton("SINGLE-CHANNEL FEEDBACK ", frame);
    Option6 = new QRadioButton("MULTI-CHANNEL FEEDBACK ", frame);
    connect(Option5, &QRadioButton::clicked, this, [this] { feedback_Click(false); });
    connect(Option6, &QRadioButton::clicked, this, [this] { feedback_Click(true); });
    layout->addWidget(Option5, 0, 0, 1, 3);
    layout->addWidget(Option6, 1, 0, 1, 3);
    for (int i = 0; i < 2; ++i) {
        bytebox[i] = entrybox(frame, bytefields[i].text);
        bytebutton[i] = enterbutton(frame, bytefields[i].button);
        addentry(layout, bytefields[i].label, bytebox[i], bytebutton[i]);
    }
    const int row = layout->rowCount();
    layout->addWidget(buildvctside("VCT intake", true), row, 0, 1, 3);
    layout->addWidget(buildvctside("VCT exhaust", false), row + 1, 0, 1, 3);
    for (int i = 0; i < 8; ++i)
        connect(bytebutton[i], &QPushButton::clicked, this, [this, i] { byte_Click(i); });
    for (int i = 0; i < 4; ++i)
        connect(fieldbutton[i], &QPushButton::clicked, this, [this, i] { field_Click(i); });
    return frame;
}

QGroupBox *frmTrig1::buildvctside(const QString &title, bool intake) {
    auto *frame = new QGroupBox(title, this);
    auto *layout = new QGridLayout(frame);
    layout->setVerticalSpacing(4);
    const int firstbyte = intake ? 2 : 5, firstfield = intake ? 0 : 2;
    for (int i = firstbyte; i < firstbyte + 3; ++i) {
        bytebox[i] = entrybox(frame, bytefields[i].text);
        bytebutton[i] = enterbutton(frame, bytefields[i].button);
        addentry(layout, bytefields[i].label, bytebox[i], bytebutton[i]);
    }
    const int k = intake ? vcticonfig : vcteconfig;
    QCheckBox *first = new QCheckBox(intake ? "VCTi1@PWM2, PWM MAP 9" : "VCTe1@PWM4, PWM MAP 10");
    QCheckBox *second = new QCheckBox(intake ? "VCTi2@PWM3, PWM MAP 9" : "VCTe2@PWM5, PWM MAP 10");
    const int row = layout->rowCount();
    layout->addWidget(first, row, 0);
    layout->addWidget(second, row, 1, 1, 2);
    connect(first, &QCheckBox::clicked, this, [this, first, k] { check_Click(first, k, 7); });
    connect(second, &QCheckBox::clicked, this, [this, second, k] { check_Click(second, k, 6); });
    (intake ? Check1 : Check3) = first;
    (intake ? Check2 : Check4) = second;
    for (int i = firstfield; i < firstfield + 2; ++i) {
        fieldbox[i] = entrybox(frame, bitfields[i].text);
        fieldbutton[i] = enterbutton(frame, bitfields[i].button);
        addentry(layout, bitfields[i].label, fieldbox[i], fieldbutton[i]);
    }
    layout->setColumnStretch(0, 1);
    return frame;
}

void frmTrig1::Form_Load() {
    centreonscreen(*this);
    drawpictures();
    gettriggers();
    initialise();
}

void frmTrig1::drawpictures() {
    for (int i = 0; i < 6; ++i)
        drawedgepicture(Picture[i]->canvas(), i % 3 + 1);
}

void frmTrig1::gettriggers() {
    for (int tooth = 0; tooth < 24; ++tooth)
        Combo3->addItem(QString("tooth %1").arg(tooth));
    const triggertypes types = korvane::gettriggers();
    Combo1->addItems(types.trigger);
    Combo2->addItems(types.sync);
}

void frmTrig1::initialise() {
    const int edges = triggerbyte(edgebyte) & 0xCF;
    triggerbyte(edgebyte) = int16_t(edges);
    const std::array<QRadioButton *, 4> trigger{nullptr, Option1, Option2, Option10};
    const std::array<QRadioButton *, 4> sync{nullptr, Option3, Option4, Option9};
    if (trigger[edges & 3]) trigger[edges & 3]->setChecked(true);
    if (sync[(edges >> 2) & 3]) sync[(edges >> 2) & 3]->setChecked(true);
    if ((edges & 0xC0) == 0) Option5->setChecked(true);
    if ((edges & 0xC0) == 0xC0) Option6->setChecked(true);
    for (int i = 0; i < 8; ++i)
        showtriggerbyte(bytebox[i], bytefields[i].k);
    for (int i = 0; i < 4; ++i)
        fieldbox[i]->setText(
            QString::number(fieldvalue(triggerbyte(bitfields[i].k), bitfields[i].shift)));
    showtriggerbyte(Text10, refanglebyte);
    showtriggerbyte(Text24, cylsbyte);
    // A stored type beyond its list leaves the list unselected.
    for (auto [list, k] : {std::pair{Combo1, 1}, {Combo2, 2}, {Combo3, 4}}) {
        const int position = triggerbyte(k);
        list->setCurrentIndex(position < list->count() ? position : -1);
    }
    Check1->setChecked(triggerbyte(vcticonfig) & 0x80);
    Check2->setChecked(triggerbyte(vcticonfig) & 0x40);
    Check3->setChecked(triggerbyte(vcteconfig) & 0x80);
    Check4->setChecked(triggerbyte(vcteconfig) & 0x40);
}

void frmTrig1::store(int k, int value) {
    triggerbyte(k) = int16_t(value);
    markedited();
}

void frmTrig1::triggeredge_Click(int edge) {
    store(edgebyte, withtriggeredge(uint8_t(triggerbyte(edgebyte)), edge));
}

void frmTrig1::syncedge_Click(int edge) {
    store(edgebyte, withsyncedge(uint8_t(triggerbyte(edgebyte)), edge));
}

void frmTrig1::feedback_Click(bool multi) {
    store(edgebyte, withfeedback(uint8_t(triggerbyte(edgebyte)), multi));
}

void frmTrig1::list_Click(QComboBox *list, int k) {
    // The position is the type code the ECU stores in one byte: a type file with more names
    // than a byte can number must not put position - 256 into the calibration.
    const int position = list->currentIndex();
    if (position < 0 || position > 255) return beep();
    store(k, position);
}

void frmTrig1::check_Click(QCheckBox *check, int k, int bit) {
    const int byte = triggerbyte(k) & ~(1 << bit);
    store(k, check->isChecked() ? byte | (1 << bit) : byte);
}

// An entry the byte cannot take is refused: the box shows the stored value again and the
// window beeps.
static void takeentry(const entryresult &entry, QLineEdit *box, const QString &shown) {
    if (!entry.ok) {
        box->setText(shown);
        return beep();
    }
    box->setText(entry.text);
}

// A box whose text is still the one shown for its byte stores that byte again, so a value
// outside what can be typed (5 cylinders, a reference angle of 30) stays when only entered
// again; a changed text is read by entry.
void frmTrig1::takebyte(QLineEdit *box, int k, entryresult (*entry)(const QString &)) {
    const std::optional<int> byte =
        fieldbyte(box, [entry](const QString &text) { return entrybyte(entry(text)); });
    if (byte) store(k, *byte);
    showtriggerbyte(box, k);
    if (!byte) beep();
}

void frmTrig1::Command24_Click() {
    takebyte(Text24, cylsbyte, cylsentry);
}

void frmTrig1::Command6_Click() {
    const QString typed = Text10->text();
    if (!keptbyte(Text10) && !refangleentry(typed).ok && typednumber(typed))
        showmessage("The timing reference angle should be 0 - 10 btdc, or 55 - 120 btdc", "Warning",
                    30, forced);
    takebyte(Text10, refanglebyte, refangleentry);
}

void frmTrig1::byte_Click(int index) {
    takebyte(bytebox[index], bytefields[index].k, byteentry);
}

void frmTrig1::field_Click(int index) {
    const boxfield &f = bitfields[index];
    const entryresult entry =
        fieldentry(fieldbox[index]->text(), uint8_t(triggerbyte(f.k)), f.shift);
    takeentry(entry, fieldbox[index], QString::number(fieldvalue(triggerbyte(f.k), f.shift)));
    if (entry.ok) store(f.k, entry.byte);
}

void frmTrig1::Command1_Click() {
    done(Accepted);
}

// However it closes (the close box and Escape too), the tuner is reminded that the edits are
// in the image only, and the window is unloaded, so the next opening reads the type file and
// the block afresh.
void frmTrig1::done(int result) {
    showmessage("These settings must be downloaded before they will take effect", "Information", 30,
                0);
    QDialog::done(result);
    if (forminstance<frmTrig1>() == this) unload<frmTrig1>();
}

} // namespace korvane
