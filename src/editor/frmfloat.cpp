#include "editor/frmfloat.h"

#include "core/colours.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/frmdec1.h"
#include "core/livedata.h"
#include "core/mainwindowhooks.h"
#include "core/mapfile.h"
#include "core/onlineops.h"
#include "core/pauseonline.h"
#include "core/prefs.h"
#include "editor/colourmapcells.h"
#include "editor/directentry.h"
#include "editor/frmfuel1.h"
#include "editor/frmfuel1links.h"
#include "editor/frminput.h"
#include "editor/frmwarn4.h"
#include "editor/gridaxes.h"
#include "editor/gridscroll.h"
#include "editor/interpolateselection.h"
#include "editor/looppause.h"
#include "editor/mapcatalogue.h"
#include "editor/mapkeydown.h"
#include "editor/showmapvalues.h"
#include "platform/beep.h"
#include "platform/forms.h"
#include "platform/mapgrid.h"
#include "platform/pollrate.h"
#include "platform/twips.h"
#include "platform/virtualkeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

namespace korvane {

namespace {
constexpr int loadcentreslot = 3;
// Twips, in the window's client area under the menu bar.
constexpr int margin = 120;
constexpr int rowpitch = 300, rowheight = 285; // the hold and track rows over the grid
constexpr int gridtop = 4 * rowpitch + 15;
constexpr int pairwidth = 1140, smallwidth = 330;
constexpr int fkeywidth = 1290, fkeypitch = 1305;
// The layout's offsets count the height of the caption, the menu bar and the borders.
constexpr int chromeheight = 720;
constexpr int pollinterval = 50;

void place(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(tw(left), tw(top), tw(width), tw(height));
}
} // namespace

frmFloat::frmFloat()
{
    buildcontrols();
    Form_Load();
}

frmFloat::~frmFloat()
{
    // Closed without done() (the program ending): the main window still gets its loop back.
    if (!unloaded) Form_Unload();
}

void frmFloat::buildcontrols()
{
    setWindowTitle("Floating grid");
    menubar = new QMenuBar(this);
    mnuFloatGrid = menubar->addMenu("&Floating grid");
    mnuExit = mnuFloatGrid->addAction("E&xit", this, [this] { done(Accepted); });

    mapgridfloat = new MapGrid(this);
    mapgridfloat->setkeyhandler([this](QKeyEvent &event) {
        mapkeydown(*this, *mapgridfloat, virtualkey(event), shiftmask(event));
    });

    auto button = [this](const QString &text, auto handler) {
        auto *b = new QPushButton(text, this);
        b->setFont(QFont(QStringLiteral("Arial"), 7));
        // The keys belong to the grid: a button acts when pressed and never keeps the focus.
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::pressed, this, handler);
        return b;
    };
    const std::pair<int, const char *> fkeys[] = {
        {0, "F1 track/hold toggle"}, {1, "F2 save"}, {4, "F5 interp load/Y "},
        {5, "F6 interp rpm/X"},      {6, "F7 mass entry "}, {7, "F8 seek"},
        {8, "F9 float off "}};
    for (auto [index, caption] : fkeys)
        Command13[index] = button(caption, [this, index] { Command13_MouseDown(index); });
    Command8 = button("Rpm hold", &frmFloat::Command8_MouseDown);
    Command7 = button("Rpm track", &frmFloat::Command7_MouseDown);
    Command10 = button("-", &frmFloat::Command10_MouseDown);
    Command9 = button("+", &frmFloat::Command9_MouseDown);
    Command1 = button("Load hold", &frmFloat::Command1_MouseDown);
    Command2 = button("Load track", &frmFloat::Command2_MouseDown);
    Command11 = button("Load center", &frmFloat::Command11_MouseDown);
    Command12 = button("Arrow center", &frmFloat::Command12_MouseDown);
    cmdSlow = button("-", &frmFloat::cmdSlow_MouseDown);
    cmdFast = button("+", &frmFloat::cmdFast_MouseDown);
    Command5 = button("Reset trace", &frmFloat::Command5_MouseDown);
    Command3 = button("Copy", &frmFloat::Command3_MouseDown);

    auto label = [this](const QString &text, int points) {
        auto *l = new QLabel(text, this);
        l->setFont(QFont(QStringLiteral("Arial"), points, QFont::Bold));
        l->setAlignment(Qt::AlignCenter);
        return l;
    };
    Label1 = label("3500 rpm", 8);
    Label2 = label(QString(), 10);
    lblTrim = label(QString(), 8);

    Timer1 = new QTimer(this);
    Timer1->setInterval(pollinterval);
    connect(Timer1, &QTimer::timeout, this, &frmFloat::Timer1_Timer);
}

void frmFloat::Form_Load()
{
    pauseonline();
    initmapgrid(*mapgridfloat);
    setmapaxes(*mapgridfloat);
    showmapvalues(*mapgridfloat, 255);
    colourmapcells(*mapgridfloat, 255);
    // The view is set to the cursor once the window has its size (showEvent): followed now,
    // in a grid still small, it would hide first columns that the full-screen grid can show.
    setmybar();
    showstep(*lblTrim);
    showholdtrack(*this);
    setholdcaptions(*this);
    // The whole window, frame included, 100 twips inside the screen's free area each way.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        outer = screen->availableGeometry().adjusted(tw(100), tw(100), -tw(100), -tw(100));
    setoutergeometry(*this, outer);
    floatopen = flagset;
    Timer1->start();
    focusgrid(mapgridfloat);
}

void frmFloat::Form_Unload()
{
    unloaded = true;
    Timer1->stop();
    if (loaded<frmFuel1>()) {
        frmFuel1 *main = form<frmFuel1>();
        showmapvalues(*main->mapgrid, 255);
        colourmapcells(*main->mapgrid, 255);
        showholdtrack(*main);
        showstep(*main->lblTrim);
        main->drawmap();
    }
    resumeonline();
    floatopen = 0;
}

void frmFloat::setmybar()
{
    const char *titles[] = {"Fuel map",           "Fuel anti-lag trim map", "Fuel auxiliary trim map",
                            "Spark map",          "Spark anti-lag trim map", "Spark auxiliary trim map",
                            "Spark backup map"};
    if (curmap >= 1 && curmap <= 7)
        setWindowTitle(titles[curmap - 1]);
    else if (curmap >= 40 && curmap <= 42)
        setWindowTitle(QString("PWM%1 map").arg(curmap - 31));
    else if (curmap == 43)
        setWindowTitle("AFR target map");
}

void frmFloat::Timer1_Timer()
{
    // However the typed entry was opened over this window (Space reaches it through the grid's
    // key handler, not through typedentry), no poll may move the cursor cell it writes to.
    if (online == 0 || loaded<frmInput>()) return;
    const LivePoll poll = getlivedata();
    // A port that closed itself takes the program offline, as the main window's loop would.
    if (poll.outcome == LivePoll::failed && loaded<frmFuel1>() &&
        form<frmFuel1>()->droplostport())
        return;
    finishpoll(poll);
    setpollrate(*Timer1, poll.outcome != LivePoll::failed, pollinterval);
    switch (pollphase % 3) {
    case 0: Label2->setText(QString::number(enginerpm) + " rpm "); break;
    case 1: colourmapcells(*mapgridfloat, 0); break;
    default: break;
    }
}

void frmFloat::finishpoll(const LivePoll &poll)
{
    // Poll errors show on the main window's status label, as they would without this window.
    if (poll.outcome == LivePoll::completed) {
        if (incell(curmap, currpm, curload)) mapgridfloat->setcurrentcell(currpm, curload);
        focusgrid(mapgridfloat);
        setmainstatus(poll.label);
    } else if (poll.outcome == LivePoll::failed) {
        setmainstatus(poll.label);
    }
}

void frmFloat::cmdSlow_MouseDown()
{
    trimstep = 1;
    showstep(*lblTrim);
    focusgrid(mapgridfloat);
}

void frmFloat::cmdFast_MouseDown()
{
    trimstep = curmap == 1 ? 10 : 2;
    showstep(*lblTrim);
    focusgrid(mapgridfloat);
}

void frmFloat::Command8_MouseDown()
{
    if (online == flagset) setxhold(*this);
    focusgrid(mapgridfloat);
    sendmapselect();
}

void frmFloat::Command7_MouseDown()
{
    setxtrack(*this);
    focusgrid(mapgridfloat);
}

// Here the held column moves whether the rpm axis holds or tracks.
void frmFloat::Command10_MouseDown()
{
    xcolumndown(*this);
    focusgrid(mapgridfloat);
}

void frmFloat::Command9_MouseDown()
{
    xcolumnup(*this);
    focusgrid(mapgridfloat);
}

void frmFloat::Command1_MouseDown()
{
    if (online == flagset) setyhold(*this);
    focusgrid(mapgridfloat);
}

void frmFloat::Command2_MouseDown()
{
    setytrack(*this);
    focusgrid(mapgridfloat);
}

void frmFloat::chooseload(QPushButton *selected, QPushButton *other, int16_t centre)
{
    showpair(selected, other);
    prefs[loadcentreslot] = centre;
    focusgrid(mapgridfloat);
}

void frmFloat::Command11_MouseDown() { chooseload(Command11, Command12, prefon); }
void frmFloat::Command12_MouseDown() { chooseload(Command12, Command11, prefoff); }

void frmFloat::Command5_MouseDown()
{
    if (curmap == 1 || curmap == 43)
        resettrace(fueltrace);
    else if (curmap == 4)
        resettrace(sparktrace);
    else if (curmap >= 40 && curmap <= 42)
        resettrace(visittrace[curmap - 40], 24);
    clearcellmarks(*mapgridfloat);
    focusgrid(mapgridfloat);
}

void frmFloat::Command3_MouseDown()
{
    const frmfuel1links &links = fuel1links();
    const mapkind kind = mapcatalogue(curmap).kind;
    if (kind == mapkind::table16) return;
    // Only one window talks to the ECU: this loop rests while the copy window works, and the
    // main loop stays paused even if the copy window switched it on as it closed.
    {
        looppause pause(Timer1);
        if (links.copyrows) links.copyrows();
        const MainWindowHooks &hooks = mainwindowhooks();
        if (hooks.timerenabled && hooks.timerenabled()) hooks.settimerenabled(false);
    }
    const auto &draw = kind == mapkind::pwm24 ? links.threedraw24 : links.threedraw32;
    if (draw) draw();
    showmapvalues(*mapgridfloat, 255);
    colourmapcells(*mapgridfloat, 255);
}

void frmFloat::Command13_MouseDown(int index)
{
    switch (index) {
    case 0: toggleholdtrack(*this, *mapgridfloat); break;
    case 1:
        if (loaded<frmdec1>()) form<frmdec1>()->mnuSave_Click();
        // The main window under this one names the file as its own Save would.
        if (loaded<frmFuel1>()) form<frmFuel1>()->setWindowTitle(mapfilename);
        break;
    case 4:
    case 5:
        if (!groupactive) break;
        interpolateselection(index == 4, *this);
        showmapvalues(*mapgridfloat, 255);
        break;
    case 6: typedentry(); break;
    case 7: seekcell(*this, *mapgridfloat); break;
    case 8: done(Accepted); return;
    default: break;
    }
    focusgrid(mapgridfloat);
}

// The entry window keeps the main loop off itself; this window's loop rests meanwhile too,
// so no poll runs under a typed entry.
void frmFloat::typedentry()
{
    looppause pause(Timer1);
    directentry(*this, *mapgridfloat);
}

void frmFloat::formfunctions(int keycode, MapGrid &grid)
{
    switch (keycode) {
    case vk::f1: Command13_MouseDown(0); break;
    case vk::f1 + 1: Command13_MouseDown(1); break;
    case vk::f1 + 2:
    case vk::f1 + 3: beep(); break; // no map switch from this window
    case vk::f1 + 4: Command13_MouseDown(4); break;
    case vk::f1 + 5: Command13_MouseDown(5); break;
    case vk::f1 + 6: typedentry(); break;
    case vk::f1 + 7: seekcell(*this, grid); break;
    case vk::f9: done(Accepted); break;
    default: break;
    }
}

void frmFloat::keyPressEvent(QKeyEvent *event)
{
    // Keys that reach the window rather than the grid; typed characters go nowhere.
    event->accept();
    const int keycode = virtualkey(*event);
    if (keycode == vk::f9) {
        done(Accepted);
        return;
    }
    mapkeydown(*this, *mapgridfloat, keycode, shiftmask(*event));
    focusgrid(mapgridfloat);
}

void frmFloat::Form_Resize()
{
    const int menuheight = menubar->sizeHint().height();
    menubar->setGeometry(0, 0, width(), menuheight);
    const int top = totwips(menuheight);
    const int W = totwips(frameGeometry().width());
    const int H = totwips(height() - menuheight) + chromeheight;

    if (W > 500) mapgridfloat->resize(tw(W - 500), mapgridfloat->height());
    if (H > 2500) mapgridfloat->resize(mapgridfloat->width(), tw(H - 2500));
    mapgridfloat->move(tw(margin), tw(top + gridtop));

    struct Spot {
        QWidget *control;
        int offset, row, width; // row -1: the bottom row
    };
    const Spot spots[] = {
        {Command8, 2680, 0, pairwidth},   {Command7, 1480, 0, pairwidth},
        {Label2, 6475, 0, 1560},          {Command10, 2680, 1, smallwidth},
        {Label1, 2320, 1, 1620},          {Command9, 640, 1, smallwidth},
        {Command1, 2680, 2, pairwidth},   {Command2, 1480, 2, pairwidth},
        {Command11, 2680, 3, pairwidth},  {Command12, 1480, 3, pairwidth},
        {Command5, 4185, -1, pairwidth},  {cmdSlow, 2940, -1, smallwidth},
        {lblTrim, 2580, -1, 900},         {cmdFast, 1620, -1, smallwidth},
        {Command3, 1140, -1, 900},
    };
    const int bottom = top + H - 1245;
    for (const Spot &s : spots) {
        const int rowtop = s.row < 0 ? bottom : top + 15 + s.row * rowpitch;
        place(s.control, W - s.offset, rowtop, s.width, rowheight);
    }
    int left = margin;
    for (QPushButton *fkey : Command13) {
        if (!fkey) continue;
        place(fkey, left, bottom, fkeywidth, rowheight);
        left += fkeypitch;
    }
}

void frmFloat::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmFloat::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    // The desktop frames the window after it is shown: fit the frame once its size is known.
    if (isVisible() && framemargins(*this) != fittedframe) {
        fittedframe = framemargins(*this);
        setoutergeometry(*this, outer);
    }
}

void frmFloat::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The opening view: from the top-left as far as the cursor needs, in the grid at its size.
    // A window restored by the desktop keeps the view it had.
    if (event->spontaneous()) return;
    scrolltocell(*mapgridfloat, true);
    scrolltocell(*mapgridfloat, false);
}

// However it closes (F9, "F9 float off ", "E&xit", the close box), the main window gets its
// grid and loop back once, and the next opening loads the window afresh.
void frmFloat::done(int result)
{
    if (!unloaded) Form_Unload();
    QDialog::done(result);
    if (forminstance<frmFloat>() == this) unload<frmFloat>();
}

} // namespace korvane
