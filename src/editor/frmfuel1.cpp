#include "editor/frmfuel1.h"

#include "core/buildprofile.h"
#include "core/colours.h"
#include "core/connection.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "core/livedata.h"
#include "core/mainport.h"
#include "core/mainwindowhooks.h"
#include "core/mapfile.h"
#include "core/messages.h"
#include "core/names.h"
#include "core/onlineops.h"
#include "core/prefs.h"
#include "editor/axislabels.h"
#include "editor/colourmapcells.h"
#include "editor/frmfuel1links.h"
#include "editor/frmwarn6.h"
#include "editor/gridaxes.h"
#include "editor/gridscroll.h"
#include "editor/mapcatalogue.h"
#include "editor/mapkeydown.h"
#include "editor/pendingcells.h"
#include "editor/showmapvalues.h"
#include "editor/viewangles.h"
#include "platform/colour.h"
#include "platform/forms.h"
#include "platform/mapgrid.h"
#include "platform/picturebox.h"
#include "platform/prompts.h"
#include "platform/virtualkeys.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStyle>
#include <QTimer>

namespace korvane {

frmfuel1links &fuel1links() {
    static frmfuel1links links;
    return links;
}

namespace {
const QString onlinehint = " Press enter after editing to make permanent changes";

// The hint line of a map chosen offline; the main maps leave the line as it was.
QString offlinehint(int map) {
    if (map >= 8 && map <= 31) return " Offline editing control map";
    if (map >= 32 && map <= 39) return " Offline editing 2D PWM map";
    if (map >= 40 && map <= 42) return " Offline editing 3D PWM map";
    if (map == 43) return " Offline editing AFR target map";
    return {};
}

void run(const std::function<void()> &link) {
    if (link) link();
}

QLabel *newlabel(QWidget *parent, const QString &text, int points, bool bold) {
    auto *label = new QLabel(text, parent);
    label->setFont(QFont(QStringLiteral("Arial"), points, bold ? QFont::Bold : QFont::Normal));
    return label;
}
} // namespace

frmFuel1::frmFuel1() {
    // What Form_Load calls (the drawings) reaches this window as the one instance.
    forminstance<frmFuel1>() = this;
    buildcontrols();
    buildmenus();
    Form_Load();
}

frmFuel1::~frmFuel1() {
    setmapview(nullptr);
}

void frmFuel1::buildcontrols() {
    setWindowTitle("Maps");
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowMinimizeButtonHint);

    mapgrid = new MapGrid(this);
    mapgrid->setkeyhandler([this](QKeyEvent &event) {
        mapkeydown(*this, *mapgrid, virtualkey(event), shiftmask(event));
    });
    // A narrow window shrinks a long title rather than cut it.
    lblMap = new FitLabel(QString(), QFont(QStringLiteral("Arial"), 14, QFont::Bold), this);
    Label1 = newlabel(this, "0 rpm", 10, false);
    Label42 = new FitLabel("offline", QFont(QStringLiteral("Arial"), 10, QFont::Bold), this);
    Label2 = new FitLabel(QString(), QFont(QStringLiteral("Arial"), 12, QFont::Bold), this);
    lblTrim = newlabel(this, QString(), 10, true);
    lblTrim->setAlignment(Qt::AlignCenter);
    Text1 = new QLineEdit(this);
    // A hint line: the keys belong to the grid.
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);
    Text1->setFrame(false);
    Timer1 = new QTimer(this);
    Timer1->setInterval(liveinterval);
    connect(Timer1, &QTimer::timeout, this, &frmFuel1::Timer1_Timer);
    buildtools();
}

void frmFuel1::buildmenus() {
    const frmfuel1links &links = fuel1links();
    menubar = new QMenuBar(this);
    // An entry whose window or command is not part of the program yet stays disabled.
    auto entry = [this](QMenu *menu, const QString &text, auto handler, bool available = true) {
        QAction *action = menu->addAction(text);
        connect(action, &QAction::triggered, this, handler);
        action->setEnabled(available);
        return action;
    };
    auto maps = [this](QMenu *menu, QAction **actions, int count, int firstmapnumber, auto handler,
                       const QStringList &captions = {}) {
        for (int i = 0; i < count; ++i) {
            const QString caption =
                i < captions.size() ? captions[i] : mapcatalogue(firstmapnumber + i).title;
            actions[i] = menu->addAction(caption);
            connect(actions[i], &QAction::triggered, this,
                    [this, handler, i] { (this->*handler)(i); });
        }
    };

    mnuFile = menubar->addMenu("&Maps");
    mnuMainSave = entry(mnuFile, "&Save", &frmFuel1::mnuMainSave_Click);
    mnuExit = entry(mnuFile, "E&xit", &frmFuel1::mnuExit_Click);

    mnuSelect = menubar->addMenu("&Select");
    maps(mnuSelect, mnuRamMapGroup, 7, 1, &frmFuel1::mnuRamMapGroup_Click,
         {"&Fuel ", "Fuel anti-&lag trim", "Fuel &auxiliary trim", "&Spark ",
          "Spark &anti-lag trim", "Spark au&xiliary trim", "Spark &backup"});
    mnuSelect->addSeparator();
    mnuControl1 = mnuSelect->addMenu("&Control 1");
    maps(mnuControl1, mnuCont1, 8, 8, &frmFuel1::mnuCont1_Click);
    mnuControl2 = mnuSelect->addMenu("&Control 2");
    maps(mnuControl2, mnuCont2, 8, 16, &frmFuel1::mnuCont2_Click);
    mnuControl3 = mnuSelect->addMenu("Cont&rol 3");
    maps(mnuControl3, mnuCont3, 8, 24, &frmFuel1::mnuCont3_Click);
    mnuSelect->addSeparator();
    mnuP2D = mnuSelect->addMenu("2&D pwm");
    maps(mnuP2D, mnuPwm2D, 8, 32, &frmFuel1::mnuPwm2D_Click);
    mnuP3D = mnuSelect->addMenu("3D &pwm");
    maps(mnuP3D, mnuPwm3D, 3, 40, &frmFuel1::mnuPwm3D_Click,
         {"PWM MAP 9 / VCTi", "PWM MAP 10", "PWM MAP 11"});
    mnuSelect->addSeparator();
    mnuAFR = entry(mnuSelect, "&AFR target", &frmFuel1::mnuAFR_Click);
    mnuSelect->addSeparator();
    mnuSettings = entry(mnuSelect, "S&ettings", &frmFuel1::mnuSettings_Click, bool(links.settings));
    mnuOutputs = entry(mnuSelect, "O&utputs", &frmFuel1::mnuOutputs_Click, bool(links.outputs));
    mnuTrig = entry(mnuSelect, "Tri&ggers", &frmFuel1::mnuTrig_Click, bool(links.triggers));

    mnuComm = menubar->addMenu("&Communications");
    mnucom1 = entry(mnuComm, "&COM On/Off", &frmFuel1::mnucom1_Click);

    mnuView = menubar->addMenu("&View");
    mnuAngle = entry(mnuView, "&Angle", &frmFuel1::mnuAngle_Click, bool(links.angle));
    mnuAxle = entry(mnuView, "&Panel", &frmFuel1::mnuAxle_Click, bool(links.panel));
    mnuFloatGrid =
        entry(mnuView, "&Floating grid", &frmFuel1::mnuFloatGrid_Click, bool(links.floatgrid));

    mnuTools = menubar->addMenu("&Tools");
    mnuPrefs = entry(mnuTools, "Pre&ferences", &frmFuel1::mnuPrefs_Click, bool(links.preferences));
    mnuImportMap =
        entry(mnuTools, "Im&port map", &frmFuel1::mnuImportMap_Click, bool(links.importmap));
    mnuLoadtemplate = entry(mnuTools, "&Load injector response", &frmFuel1::mnuLoadtemplate_Click,
                            bool(links.loadinjector));
    mnuColors = entry(mnuTools, "&Edit colors", &frmFuel1::mnuColors_Click, bool(links.colours));
    mnuZero = entry(mnuTools, "&Monitor data", &frmFuel1::mnuZero_Click, bool(links.monitor));
    mnuLog = entry(mnuTools, "Log &data", &frmFuel1::mnuLog_Click, bool(links.logdata));
    mnuVersion = entry(mnuTools, "Check &version", &frmFuel1::mnuVersion_Click);
    mnuLtt = entry(mnuTools, "L&TT table", &frmFuel1::mnuLtt_Click, bool(links.ltt));
    mnuInjectorTrim = entry(mnuTools, "&Injector change trim", &frmFuel1::mnuInjectorTrim_Click,
                            bool(links.injectortrim));
    mnuSwitchAxes = entry(mnuTools, "&Axes quickswitch", &frmFuel1::mnuSwitchAxes_Click,
                          bool(links.switchaxes));
    mnuResetTraces =
        entry(mnuTools, "&Reset traces", &frmFuel1::mnuResetTraces_Click, bool(links.resettraces));
    mnuInputDiag =
        entry(mnuTools, "&Input diagnostic", &frmFuel1::mnuInputDiag_Click, bool(links.inputdiag));
    mnuStepAfr = entry(mnuTools, "&Step AFR", &frmFuel1::mnuStepAfr_Click);
    mnuTimertest = entry(mnuTools, "&Crank trigger test", &frmFuel1::mnuTimertest_Click,
                         bool(links.cranktest));
}

void frmFuel1::Form_Load() {
    const frmfuel1links &links = fuel1links();
    livewrite = 0;
    // A new window shows live values: a hold of an earlier window would show stale peaks.
    panelhold = 0;
    colours[4] = rgbcolour(0, 255, 255);
    floatopen = 0;
    makeaxislabels();
    initmapgrid(*mapgrid);
    // The layout works at any size; the window opens filling the screen (the live loop stops
    // in a window below 3000 twips).
    fillscreen(*this);
    curload = 1;
    editready = 0;
    curmap = 1;
    hookup();
    getecu();
    Timer1->start();
    pollready = flagset;
    viewrot = 45.0;
    viewtilt = 9.0;
    run(links.loadrotcartesians);
    setpreferences();
    setmapview(this);
    selectmap();
    fuelcolor();
    run(links.panelpicreset);
    Label1->setText("0 rpm");
    lblMap->setText("Fuel");
    setWindowTitle(mapfilename);
    livewrite = flagset;
    focusgrid(mapgrid);
}

void frmFuel1::Form_Unload() {
    Timer1->stop();
    gooffline(Offline::windowclosing);
    setmapview(nullptr);
    mainwindowhooks() = MainWindowHooks{};
}

// What the serial link reaches of this window while it is open.
void frmFuel1::hookup() {
    MainWindowHooks &hooks = mainwindowhooks();
    hooks.timerenabled = [this] { return Timer1->isActive(); };
    hooks.settimerenabled = [this](bool on) { on ? Timer1->start() : Timer1->stop(); };
    hooks.setstatus = [this](const QString &text) { Label42->setText(text); };
    hooks.syncwarning = [] { form<frmWarn6>()->exec(); };
    hooks.wentoffline = [this] { wentoffline(); };
    hooks.unsentnotice = unsententriesnotice;
}

// However the window closes (Exit, the close box), it is unloaded, so the next "&MAPS" loads
// it afresh.
void frmFuel1::done(int result) {
    Form_Unload();
    QDialog::done(result);
    if (forminstance<frmFuel1>() == this) unload<frmFuel1>();
}

void frmFuel1::keyPressEvent(QKeyEvent *event) {
    // Keys that reach the window itself (Escape would close a dialog) only send the focus
    // back to the grid.
    event->accept();
    focusgrid(mapgrid);
}

void frmFuel1::drawmap() {
    const frmfuel1links &links = fuel1links();
    switch (mapcatalogue(curmap).kind) {
    case mapkind::sites32:
        run(links.threedraw32);
        break;
    case mapkind::table16:
        run(links.twodraw);
        break;
    case mapkind::pwm24:
        run(links.threedraw24);
        break;
    }
}

void frmFuel1::fuelcolor() {
    const QColor panel = tocolor(profilecolours[6]);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, panel);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, panel);
    palette.setColor(QPalette::Text, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    // The grid and the menus keep the ordinary colours: a tuner reads black on white cells.
    mapgrid->setPalette(style()->standardPalette());
    menubar->setPalette(style()->standardPalette());
    Label42->setStyleSheet("color: yellow");
    // The drawings sit on the user's background colour until they paint.
    for (PictureBox *picture : {Picture3, picGraph})
        picture->setbackcolour(colours[0]);
}

// The grid steps of selectmap, on this window's grid and step label.
void frmFuel1::setmapaxes() {
    korvane::setmapaxes(*mapgrid);
}
void frmFuel1::showmapvalues() {
    korvane::showmapvalues(*mapgrid, 255);
}
void frmFuel1::colourmapcells() {
    korvane::colourmapcells(*mapgrid, 255);
}
void frmFuel1::scrolltotopleft() {
    scrolltocell(*mapgrid, true);
    // A cursor kept through the switch (online, after the preferences or an import) must not
    // be left out of sight; a grid not shown yet has no size to scroll by.
    if (mapgrid->isVisible()) scrolltocell(*mapgrid, false);
}
void frmFuel1::showstep() {
    korvane::showstep(*lblTrim);
}
void frmFuel1::setholdcaptions() {
    korvane::setholdcaptions(*this);
}

void frmFuel1::onlineshowform(const std::function<void()> &show) {
    if (online == flagset) {
        // The tool window polls the ECU itself: nothing restarts the live loop meanwhile.
        timerheld = true;
        run(show);
        timerheld = false;
    } else {
        notoffline();
    }
}

void frmFuel1::offlineshowform(const std::function<void()> &show) {
    if (online == 0)
        run(show);
    else
        notonline();
}

void frmFuel1::notoffline() {
    showmessage("Tool not available offline", "Information", 30, 0);
}
void frmFuel1::notonline() {
    showmessage("Tool not available online", "Information", 30, 0);
}

// An entry typed online must be completed with Enter before the map or window changes.
bool frmFuel1::entrypendinggate() {
    if (!(entrypending && online == flagset)) return false;
    pressentermessage();
    return true;
}

void frmFuel1::showmaphint() {
    const QString offline = offlinehint(curmap);
    if (!offline.isEmpty()) Text1->setText(online == flagset ? onlinehint : offline);
}

void frmFuel1::choosemap(int map, const QString &title, bool keepcursoronline) {
    if (entrypendinggate()) return;
    curmap = uint8_t(map);
    if (keepcursoronline && online == flagset) {
        // Online the ECU follows the map; the cursor stays on the engine's column.
        if (rpmhold != 0) sendmapselect();
    } else {
        curload = 0;
        currpm = 0;
    }
    lblMap->setText(title);
    if (map == 40) run(fuel1links().askvctispread);
    selectmap();
    showmaphint();
    focusgrid(mapgrid);
}

void frmFuel1::mnuRamMapGroup_Click(int index) {
    choosemap(index + 1, mapnames[index], true);
}

void frmFuel1::mnuCont1_Click(int index) {
    choosemap(8 + index, mapcatalogue(8 + index).title, false);
}

void frmFuel1::mnuCont2_Click(int index) {
    choosemap(16 + index, mapcatalogue(16 + index).title, false);
}

void frmFuel1::mnuCont3_Click(int index) {
    choosemap(24 + index, mapcatalogue(24 + index).title, false);
}

void frmFuel1::mnuPwm2D_Click(int index) {
    choosemap(32 + index, mapcatalogue(32 + index).title, false);
}

void frmFuel1::mnuPwm3D_Click(int index) {
    choosemap(40 + index, mapcatalogue(40 + index).title, false);
}

void frmFuel1::mnuAFR_Click() {
    choosemap(43, "AFR target", true);
}

void frmFuel1::mnuSettings_Click() {
    if (!entrypendinggate()) run(fuel1links().settings);
}

void frmFuel1::mnuOutputs_Click() {
    if (!entrypendinggate()) run(fuel1links().outputs);
}

void frmFuel1::mnuTrig_Click() {
    if (entrypendinggate()) return;
    if (online == 0)
        run(fuel1links().triggers);
    else
        showmessage("Triggers are not available on-line", "Information", 30, forced);
}

void frmFuel1::mnuAngle_Click() {
    if (curmap < 8 || curmap == 43) run(fuel1links().angle);
}

void frmFuel1::mnuAxle_Click() {
    onlineshowform(fuel1links().panel);
}

void frmFuel1::mnuFloatGrid_Click() {
    if (curmap < 8 || curmap >= 40) run(fuel1links().floatgrid);
}

void frmFuel1::mnuPrefs_Click() {
    const frmfuel1links &links = fuel1links();
    run(links.preferences);
    // The preferences may change the axis units and every button state.
    makeaxislabels();
    selectmap();
    setpreferences();
    run(links.panelpicreset);
}

void frmFuel1::mnuImportMap_Click() {
    offlineshowform(fuel1links().importmap);
}
void frmFuel1::mnuLoadtemplate_Click() {
    offlineshowform(fuel1links().loadinjector);
}
void frmFuel1::mnuColors_Click() {
    run(fuel1links().colours);
}
void frmFuel1::mnuZero_Click() {
    onlineshowform(fuel1links().monitor);
}
void frmFuel1::mnuLog_Click() {
    onlineshowform(fuel1links().logdata);
}

void frmFuel1::mnuVersion_Click() {
    if (online == flagset)
        checkversion(2);
    else
        notoffline();
}

void frmFuel1::mnuLtt_Click() {
    onlineshowform(fuel1links().ltt);
}
void frmFuel1::mnuInjectorTrim_Click() {
    offlineshowform(fuel1links().injectortrim);
}

void frmFuel1::mnuSwitchAxes_Click() {
    if (online != 0 || mapcatalogue(curmap).kind != mapkind::pwm24) return;
    if (msgboxokcancel("This action will switch the axes of the current 3D map"))
        run(fuel1links().switchaxes);
}

void frmFuel1::mnuResetTraces_Click() {
    run(fuel1links().resettraces);
}
void frmFuel1::mnuInputDiag_Click() {
    onlineshowform(fuel1links().inputdiag);
}

void frmFuel1::mnuStepAfr_Click() {
    if (online == flagset) stepafr();
}

void frmFuel1::mnuTimertest_Click() {
    // The test window polls on its own and switches the live loop on again when it closes;
    // a resize meanwhile must not start it under the test's exchanges.
    timerheld = true;
    Timer1->stop();
    run(fuel1links().cranktest);
    timerheld = false;
}

void frmFuel1::mnuMainSave_Click() {
    timerheld = true;
    Timer1->stop();
    const QString pattern = mapfilepattern();
    const QString path = savefiledialog("s20 files|*.s20", "s20", pattern);
    // The dialog can hand back its own pattern untouched: that is no file name.
    if (!path.isEmpty() && path != pattern) {
        const QString error = savemapfile(path);
        if (error.isEmpty())
            setWindowTitle(mapfilename);
        else
            showmessage("The map file was not saved: " + error, "System error", 30, forced);
    }
    timerheld = false;
    Timer1->start();
}

void frmFuel1::mnuExit_Click() {
    done(Accepted);
}

} // namespace korvane
