#include "core/frmimportmap.h"

#include "core/calimage.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "core/mapfile.h"
#include "core/messages.h"
#include "platform/forms.h"
#include "platform/programfolder.h"
#include "platform/prompts.h"
#include "platform/returnkey.h"
#include "platform/twips.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <cstring>

namespace korvane {

namespace {
// Menu caption and label text of each selection, by selection - 1. Four labels name the
// table by an older title than its menu entry; the label is what the user is asked about.
struct importentry {
    const char *caption;
    const char *label;
};
const importentry entries[importselections] = {
    {"Fuel", "Fuel map >> "},
    {"Fuel anti-lag trim", "Fuel anti-lag trim map >> "},
    {"Fuel auxiliary trim", "Fuel auxiliary trim map >> "},
    {"Spark", "Spark map >> "},
    {"Spark anti-lag trim", "Spark anti-lag trim map >> "},
    {"Spark auxiliary trim", "Spark auxiliary trim map >> "},
    {"Spark backup", "Spark backup map >> "},
    {"Coolant temp trim", "Coolant temp trim map >> "},
    {"Injector response", "Injector response map >> "},
    {"Air temp trim", "Air temp trim map >> "},
    {"Gear spark trim", "Zero TPS vacuum map >> "},
    {"Injection phasing", "Injection phasing map >> "},
    {"Throttle pump", "Throttle pump map >> "},
    {"Post start enrichment", "Post start enrichment map >> "},
    {"Knock threshold", "Knock threshold map >> "},
    {"Boost target", "Boost target map >> "},
    {"Air temp spark trim", "Air temp spark trim map >> "},
    {"Coolant temp spark trim", "Coolant temp spark trim map >> "},
    {"Idle speed target", "Idle speed target map >> "},
    {"Dwell", "Dwell map >> "},
    {"Cranking enrichment", "Cranking enrichment map >> "},
    {"Start primer", "Start primer map >> "},
    {"TPS fuel trim", "ISC open gain map >> "},
    {"Fuel cut limit", "Fuel cut limit map >> "},
    {"Trim by gear", "Trim by gear map >> "},
    {"Dwell trim", "Dwell trim map >> "},
    {"Knock fuel add", "Knock fuel add map >> "},
    {"Closed loop limit", "Closed loop limit map >> "},
    {"Autotune rate", "Autotune rate map >> "},
    {"Max ISC integrator", "Egt fuel trim map >> "},
    {"Min AC ISC integrator", "Egt spark trim map >> "},
    {"PWM MAP 1", "PWM MAP 1 >> "},
    {"PWM MAP 2", "PWM MAP 2 >> "},
    {"PWM MAP 3", "PWM MAP 3 >> "},
    {"PWM MAP 4", "PWM MAP 4 >> "},
    {"PWM MAP 5", "PWM MAP 5 >> "},
    {"PWM MAP 6", "PWM MAP 6 >> "},
    {"PWM MAP 7", "PWM MAP 7 >> "},
    {"PWM MAP 8", "PWM MAP 8 >> "},
    {"PWM MAP 9 / VCTi", "PWM MAP 9 / VCTi >> "},
    {"PWM MAP 10", "PWM MAP 10 >> "},
    {"PWM MAP 11", "PWM MAP 11 >> "},
    {"AFR target", "AFR target map >> "},
    {"Settings and triggers", "Settings and triggers >> "},
};

const QString spreadwarning =
    "The source file has a different load or rpm spread than the current file. You should "
    "migrate the source map to an equivalent load spread before importing fuel, spark or vct "
    "maps";

template <class Row> void copyrows(const Row *src, Row *dst, int first, int count)
{
    std::memcpy(dst + first, src + first, count * sizeof(Row));
}
} // namespace

frmimportmaplinks &importmaplinks()
{
    static frmimportmaplinks links;
    return links;
}

QString importlabel(int sel)
{
    if (sel < 1 || sel > importselections) return {};
    return QString::fromLatin1(entries[sel - 1].label);
}

void copyimporttable(const calimage &src, calimage &dst, int sel)
{
    if (sel == 1)
        copyrows(src.fuelmap, dst.fuelmap, 0, 32);
    else if (sel >= 2 && sel <= 7)
        copyrows(src.rammaps, dst.rammaps, (sel - 2) * 32, 32);
    else if (sel >= 8 && sel <= 39)
        copyrows(src.settings, dst.settings, sel + 8, 1);
    else if (sel >= 40 && sel <= 42)
        copyrows(src.pwmmaps, dst.pwmmaps, (sel - 40) * 24, 24);
    else if (sel == 43)
        copyrows(src.afrmap, dst.afrmap, 0, 32); // the comment and columns 32..41 stay
    else if (sel == 44)
        copyrows(src.settings, dst.settings, 0, 16);
}

bool samesitespreads(const calimage &a, const calimage &b)
{
    for (int row = 4; row <= 7; ++row) {
        const int columns = row % 2 == 0 ? 16 : 15;
        if (!std::equal(a.settings[row], a.settings[row] + columns, b.settings[row]))
            return false;
    }
    return true;
}

void importmap(const QString &label, int sel)
{
    copyimporttable(srcimage, curimage, sel);
    markedited();
    calcmapsums();
    showmessage(label + "imported", "Information", 20, 0);
}

frmImportMap::frmImportMap()
{
    setWindowTitle("Import map");
    menubar = new QMenuBar(this);
    mnuFile = menubar->addMenu("File");
    mnuOpen = mnuFile->addAction("Open source", this, &frmImportMap::mnuOpen_Click);
    mnuExit = mnuFile->addAction("E&xit", this, [this] { done(Accepted); });

    mnuSelect = menubar->addMenu("Select from source");
    QMenu *menu = mnuSelect;
    auto add = [this, &menu](int sel) {
        mnuImport[sel] = menu->addAction(QString::fromLatin1(entries[sel - 1].caption), this,
                                         [this, sel] { showmaplabel(sel); });
    };
    mnuImport[0] = nullptr;
    for (int sel = 1; sel <= 7; ++sel) {
        if (sel == 4) mnuSelect->addSeparator();
        add(sel);
    }
    mnuSelect->addSeparator();
    for (int group = 0; group < 3; ++group) {
        menu = mnuSelect->addMenu(QString("Control %1").arg(group + 1));
        for (int sel = 8 + 8 * group; sel < 16 + 8 * group; ++sel) add(sel);
    }
    mnuSelect->addSeparator();
    menu = mnuSelect->addMenu("2D pwm");
    for (int sel = 32; sel <= 39; ++sel) add(sel);
    menu = mnuSelect->addMenu("3D pwm");
    for (int sel = 40; sel <= 42; ++sel) add(sel);
    menu = mnuSelect;
    mnuSelect->addSeparator();
    add(43);
    mnuSelect->addSeparator();
    add(44);

    Label1 = new QLabel("Fuel map >> ", this);
    Label1->setFont(QFont("Arial", 12, QFont::Bold));
    Command1 = new QPushButton("&Import", this);
    cmdSave = new QPushButton("E&xit", this);
    connect(Command1, &QPushButton::clicked, this, &frmImportMap::Command1_Click);
    connect(cmdSave, &QPushButton::clicked, this, [this] { done(Accepted); });
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menubar);
    layout->addWidget(Label1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(cmdSave);
    layout->addLayout(buttons);
    setMinimumWidth(tw(6000));
    opennofocus(this);
    Form_Load();
}

void frmImportMap::Form_Load()
{
    importsel = 1;
    Command1->setEnabled(false);
}

void frmImportMap::showmaplabel(int sel)
{
    if (sel < 1 || sel > importselections) return;
    Label1->setText(importlabel(sel));
    importsel = sel;
}

void frmImportMap::mnuOpen_Click()
{
    const QString path = openfiledialog("s20 files|*.s20", "s20", programfolder() + "*.s20");
    if (path.isEmpty()) return;
    // A file that cannot be read or decoded leaves the source, its caption and the state of
    // "&Import" as they were.
    const QString error = loadmapfile(path, false);
    if (!error.isEmpty()) {
        showmessage("The source file was not opened: " + error, "Warning", 50, forced);
        return;
    }
    if (!samesitespreads(srcimage, curimage)) {
        showmessage(spreadwarning, "Warning", 50, forced);
        done(Rejected);
        return;
    }
    showmessage("You may now select maps from the source map, and import into the current map",
                "Information", 30, 0);
    setWindowTitle(srcfilename);
    Command1->setEnabled(true);
}

void frmImportMap::Command1_Click()
{
    if (msgboxokcancel("Are you sure you wish to " + Label1->text() + "import?"))
        importmap(Label1->text(), importsel);
    if (importmaplinks().selectmap) importmaplinks().selectmap();
}

// However it closes, the window is unloaded: the next opening starts without a source.
void frmImportMap::done(int result)
{
    QDialog::done(result);
    if (forminstance<frmImportMap>() == this) unload<frmImportMap>();
}

} // namespace korvane
