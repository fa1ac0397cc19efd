#include "config/frmsettings1.h"

#include "config/settingscatalogue.h"
#include "platform/quietwheel.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <map>

// The pages are built from the settings catalogue: value rows in the left column, flags and
// option groups in the right one, and the few settings of several bytes where they belong.

namespace korvane {

namespace {

QLineEdit *field(QWidget *parent) {
    auto *edit = new QLineEdit(parent);
    edit->setFixedWidth(tw(1000));
    return edit;
}

// One row of the left column: caption, field and (when given) its button.
void addrow(QGridLayout *grid, QWidget *parent, const QString &caption, QLineEdit *edit,
            QWidget *beside = nullptr) {
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(caption, parent), row, 0);
    grid->addWidget(edit, row, 1);
    if (beside) grid->addWidget(beside, row, 2);
    grid->setColumnStretch(3, 1);
}

QPushButton *enterbutton(QWidget *parent) {
    auto *button = new QPushButton("enter", parent);
    button->setFixedWidth(tw(900));
    return button;
}

// Buttons with one parent exclude each other: each option group gets its own frame.
std::vector<QRadioButton *> radios(QWidget *parent, QBoxLayout *layout,
                                   std::span<const char *const> captions) {
    std::vector<QRadioButton *> buttons;
    for (const char *caption : captions) {
        buttons.push_back(new QRadioButton(caption, parent));
        layout->addWidget(buttons.back());
    }
    return buttons;
}

} // namespace

void frmSettings1::buildpage(int page) {
    if (page == 9 || page == 10) return buildsitepage(page);
    if (page == 11) return buildiopage();
    QGroupBox *frame = Frame8[page];
    auto *columns = new QHBoxLayout(frame);
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);

    auto *grid = new QGridLayout;
    left->addLayout(grid);
    std::map<QString, QGridLayout *> framegrids;
    for (const valuesetting &s : valuesettings()) {
        if (s.page != page) continue;
        QGridLayout *rows = grid;
        if (const char *caption = valueframe(s)) {
            QGridLayout *&framegrid = framegrids[caption];
            if (!framegrid) {
                auto *box = new QGroupBox(caption, frame);
                framegrid = new QGridLayout(box);
                left->addWidget(box);
            }
            rows = framegrid;
        }
        Text[s.field] = field(frame);
        Command[s.button] = enterbutton(frame);
        addrow(rows, frame, s.caption, Text[s.field], Command[s.button]);
        connect(Command[s.button], &QPushButton::clicked, this,
                [this, b = s.button] { Command_Click(b); });
    }
    for (const flagsetting &f : flagsettings()) {
        if (f.page != page) continue;
        Check[f.box] = new QCheckBox(f.caption, frame);
        right->addWidget(Check[f.box]);
        connect(Check[f.box], &QCheckBox::clicked, this, [this, b = f.box] { Check_Click(b); });
    }
    for (const optionsetting &o : optionsettings()) {
        if (o.page != page) continue;
        auto *box = new QGroupBox(o.caption, frame);
        auto *boxlayout = new QVBoxLayout(box);
        Option[o.group] = radios(box, boxlayout, o.captions);
        right->addWidget(box);
        for (int i = 0; i < int(o.captions.size()); ++i)
            connect(Option[o.group][i], &QRadioButton::clicked, this,
                    [this, g = o.group, i] { Option_Click(g, i); });
    }
    buildspecials(page, grid, left, right);
    left->addStretch();
    right->addStretch();
}

void frmSettings1::buildspecials(int page, QGridLayout *grid, QBoxLayout *left, QBoxLayout *right) {
    QGroupBox *frame = Frame8[page];
    auto button = [&](int n, const QString &caption) {
        Command[n] = caption == "enter" ? enterbutton(frame) : new QPushButton(caption, frame);
        return Command[n];
    };
    switch (page) {
    case 3: { // injector modules
        static constexpr const char *modules[] = {"LEFT MODULE", "RIGHT MODULE"};
        for (int i = 0; i < 8; ++i) {
            auto *pair = new QWidget(frame);
            auto *pairlayout = new QHBoxLayout(pair);
            pairlayout->setContentsMargins(0, 0, 0, 0);
            Option[10 + i] = radios(pair, pairlayout, modules);
            const int row = grid->rowCount();
            grid->addWidget(new QLabel(QString("INJ%1").arg(i + 1), frame), row, 0);
            grid->addWidget(pair, row, 1, 1, 2);
        }
        left->addWidget(button(10, "enter"), 0, Qt::AlignLeft);
        connect(Command[10], &QPushButton::clicked, this, &frmSettings1::Command10_Click);
        break;
    }
    case 4: // gear boost trims
        for (int n = 0; n < gearboostfields; ++n) {
            Text[53 + n] = field(frame);
            addrow(grid, frame, QString("GEAR %1 BOOST TRIM (-PSI)").arg(n + 1), Text[53 + n]);
        }
        left->addWidget(button(58, "enter"), 0, Qt::AlignLeft);
        connect(Command[58], &QPushButton::clicked, this, &frmSettings1::Command58_Click);
        break;
    case 5: { // live throttle and its calibration
        auto *box = new QGroupBox("TPS FEEDBACK", frame);
        auto *boxlayout = new QVBoxLayout(box);
        Text42 = field(box);
        Text42->setReadOnly(true);
        boxlayout->addWidget(Text42);
        boxlayout->addWidget(button(45, "calibrate closed"));
        boxlayout->addWidget(button(46, "calibrate wide open"));
        Command[45]->setParent(box);
        Command[46]->setParent(box);
        right->addWidget(box);
        connect(Command[45], &QPushButton::clicked, this, &frmSettings1::Command45_Click);
        connect(Command[46], &QPushButton::clicked, this, &frmSettings1::Command46_Click);
        break;
    }
    case 6: // injector trims
        for (int i = 0; i < injtrims; ++i) {
            Text15[i] = field(frame);
            Command13[i] = enterbutton(frame);
            addrow(grid, frame, QString("INJECTION %1 TRIM (%)").arg(i + 1), Text15[i],
                   Command13[i]);
            connect(Command13[i], &QPushButton::clicked, this, [this, i] { Command13_Click(i); });
        }
        break;
    case 7: // feature bits
        for (int i = 0; i < 8; ++i) {
            Check21[i] = new QCheckBox(featurebits[i], frame);
            left->addWidget(Check21[i]);
            connect(Check21[i], &QCheckBox::clicked, this, [this, i] { Check21_Click(i); });
        }
        break;
    case 8: // gear road speeds with their running totals
        for (int i = 0; i < gearvssfields; ++i) {
            Text24[i] = field(frame);
            Label61[i] = new QLabel(frame);
            addrow(grid, frame,
                   i == 0 ? QString("GEAR 1 VSS / 1000 RPM") : QString("+ GEAR %1").arg(i + 1),
                   Text24[i], Label61[i]);
            connect(Text24[i], &QLineEdit::textChanged, this, &frmSettings1::setgearlabels);
        }
        left->addWidget(button(56, "enter"), 0, Qt::AlignLeft);
        connect(Command[56], &QPushButton::clicked, this, &frmSettings1::Command56_Click);
        break;
    default:
        break;
    }
}

void frmSettings1::buildiopage() {
    QGroupBox *frame = Frame8[11];
    auto *columns = new QHBoxLayout(frame);
    auto *requests = new QGroupBox("REQUESTS", frame);
    auto *grid = new QGridLayout(requests);
    for (const auxsetting &a : auxsettings()) {
        Combo[a.combo] = new QComboBox(requests);
        quietwheel(Combo[a.combo]); // each choice goes to the ECU at once
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(a.caption, requests), row, 0);
        grid->addWidget(Combo[a.combo], row + 1, 0);
        connect(Combo[a.combo], &QComboBox::activated, this,
                [this, c = a.combo] { Combo_Click(c); });
    }
    grid->setRowStretch(grid->rowCount(), 1);
    columns->addWidget(requests);
    for (const pwmfrequencygroup &g : pwmfrequencygroups) {
        auto *box = new QGroupBox(g.caption, frame);
        auto *boxlayout = new QVBoxLayout(box);
        std::array<QCheckBox *, 8> &boxes = g.boxes == 18 ? Check18 : Check19;
        // Box i holds bit 7 - i, so PWM1 (bit 0) is box 7; the list reads PWM1 first.
        for (int i = 7; i >= 0; --i) {
            const int output = g.firstoutput + 7 - i;
            boxes[i] = new QCheckBox(QString(g.boxcaption).arg(output), box);
            boxlayout->addWidget(boxes[i]);
        }
        Command[g.button] = new QPushButton("&Enter", box);
        boxlayout->addWidget(Command[g.button]);
        boxlayout->addStretch();
        columns->addWidget(box);
    }
    connect(Command[51], &QPushButton::clicked, this, &frmSettings1::Command51_Click);
    connect(Command[52], &QPushButton::clicked, this, &frmSettings1::Command52_Click);
}

void frmSettings1::buildsitepage(int page) {
    const bool rpm = page == 9;
    QGroupBox *frame = Frame8[page];
    std::array<QLineEdit *, 31> &boxes = rpm ? Text9 : Text35;
    std::array<QLabel *, 32> &sites = rpm ? Label21 : Label22;
    const int rangebase = rpm ? 0 : 31;
    constexpr int rowstep = 24, columnwidth = 180;
    // Boxes 0-10, 11-20 and 21-30 in three columns; each site label half a row above its box,
    // so a box sits between the labels of the sites it separates.
    auto column = [](int k) { return k <= 10 ? 0 : k <= 20 ? 1 : 2; };
    auto top = [&](int k) {
        const int c = column(std::min(k, 30));
        const int first = c == 0 ? 0 : c == 1 ? 11 : 21;
        return tw(c == 0 ? 600 : 960) + rowstep * (k - first);
    };
    for (int k = 0; k < 32; ++k) {
        const int x = 8 + columnwidth * column(std::min(k, 30));
        if (k < 31) {
            Label27[rangebase + k] = new QLabel(QString("RANGE %1").arg(k + 1), frame);
            Label27[rangebase + k]->setGeometry(x, top(k), 60, 22);
            boxes[k] = new QLineEdit(frame);
            boxes[k]->setGeometry(x + 62, top(k), 42, 22);
            connect(boxes[k], &QLineEdit::textChanged, this,
                    rpm ? &frmSettings1::setlocalrstrings : &frmSettings1::setlocalpstrings);
        }
        sites[k] = new QLabel(frame);
        sites[k]->setGeometry(x + 108, top(k) - rowstep / 2, 70, 22);
    }
    const int presetx = 8 + 3 * columnwidth;
    auto preset = [&](int i, const QString &caption) {
        auto *b = new QPushButton(caption, frame);
        b->setGeometry(presetx, tw(600) + 30 * i, 130, 26);
        return b;
    };
    static constexpr const char *rpmpresets[] = {
        "250 rpm spreads",  "400 rpm spreads", "500 rpm spreads", "800 rpm spreads",
        "1000 rpm spreads", "less resolution", "more resolution"};
    static constexpr const char *loadpresets[] = {"LOW BOOST 1", "LOW BOOST 2", "HIGH BOOST 1",
                                                  "HIGH BOOST 2"};
    for (int i = 0; i < (rpm ? 7 : 4); ++i) {
        QPushButton *b = preset(i, rpm ? rpmpresets[i] : loadpresets[i]);
        (rpm ? Command5[i] : Command55[i]) = b;
        connect(b, &QPushButton::clicked, this,
                [this, rpm, i] { rpm ? Command5_Click(i) : Command55_Click(i); });
    }

    const int bottom = top(31) + 20;
    auto bottombutton = [&](int x, const QString &caption) {
        auto *b = new QPushButton(caption, frame);
        b->setGeometry(x, bottom, 110, 26);
        return b;
    };
    QPushButton *migrate = bottombutton(8, "migrate map");
    migrate->setEnabled(false);
    (rpm ? Command53 : Command24) = migrate;
    (rpm ? Command26 : Command38) = bottombutton(130, "&Ok");
    (rpm ? Command37 : Command54) = bottombutton(252, "&Cancel");
    frame->setMinimumSize(presetx + 140, bottom + 36);
    using self = frmSettings1;
    connect(migrate, &QPushButton::clicked, this,
            rpm ? &self::Command53_Click : &self::Command24_Click);
    connect(rpm ? Command26 : Command38, &QPushButton::clicked, this,
            rpm ? &self::Command26_Click : &self::Command38_Click);
    connect(rpm ? Command37 : Command54, &QPushButton::clicked, this,
            rpm ? &self::Command37_Click : &self::Command54_Click);
}

} // namespace korvane
