// The main window's tool controls and their layout.
#include "core/colours.h"
#include "core/pauseonline.h"
#include "editor/frmfuel1.h"
#include "editor/frmfuel1links.h"
#include "editor/panellayout.h"
#include "platform/colour.h"
#include "platform/mapgrid.h"
#include "platform/picturebox.h"
#include "platform/twips.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace korvane {

uint8_t widegauges = 0;

namespace {
// Twips. The panel and the graph keep their place at the left; the grid's left edge stays, its
// width follows the window, and the right-hand controls follow the right edge.
constexpr int margin = 120;
constexpr int rowheight = 375;
constexpr int rowpitch = 420;
constexpr int fkeywidth = 1290, fkeypitch = 1305;
constexpr int panelleft = 80, panelwidth = 2300;   // Picture3: the panel faces are 2300 wide
constexpr int graphleft = 2420, graphwidth = 6770; // picGraph: the drawings are 6770 wide
constexpr int gridleft = 9265;
constexpr int gridspare = 9385;  // window width the grid leaves to the rest: the grid ends
                                 // 120 short of the window's outer right edge
constexpr int columnrows = 5;    // rows of the right-hand button column over the grid
constexpr int columnleft = 2680; // the column's left edge, counted from the right edge
constexpr int workbottom = 7620; // grid and pictures end here
constexpr int bottomrow = 7680;  // panel, hint and step controls
constexpr int gaugetop = 8100;   // gauge strip
constexpr int pairwidth = 1140;
constexpr int smallwidth = 330;
constexpr int minimisedwidth = 3000; // below this the window shows nothing worth a poll
constexpr int widewidth = 15000;
constexpr int titleroom = 2000; // the least width the map title keeps beside the button column
constexpr int rowstart = margin + 8 * fkeypitch + fkeywidth + 60; // the top row right of F9
// The engine speed and link status share the top row right of F9 in a narrow window; at
// least this wide, "7000 rpm " shows whole in a smaller face and "offline" in its own.
constexpr int rpmleast = 900, statusleast = 600, labelgap = 80;

void place(QWidget *control, int left, int top, int width, int height) {
    control->setGeometry(tw(left), tw(top), tw(width), tw(height));
}
} // namespace

int frmFuel1::leastwidth() {
    const int least = std::max({
        gridleft + titleroom + margin, // the map title's room over the grid
        gridleft + columnleft,         // the button column right of the drawing, over the grid
        rowstart + rpmleast + labelgap + statusleast + margin, // F9, engine speed, link status
    });
    return (least + twipsperpixel - 1) / twipsperpixel;
}

void frmFuel1::buildtools() {
    // No narrower than shows every control whole, where the screen allows.
    int least = leastwidth();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        least = std::min(least, screen->availableGeometry().width());
    setMinimumWidth(least);
    auto button = [this](const QString &text, auto handler) {
        auto *b = new QPushButton(text, this);
        b->setFont(QFont(QStringLiteral("Arial"), 8));
        // The keys belong to the grid: a button acts when pressed and never keeps the focus.
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::pressed, this, handler);
        return b;
    };
    const char *fkeys[9] = {
        "F1 track/hold toggle", "F2 save",        "F3 fuel", "F4 spark ",  "F5 interp load/Y ",
        "F6 interp rpm/X",      "F7 mass entry ", "F8 seek", "F9 float on"};
    for (int i = 0; i < 9; ++i) {
        Command13[i] = button(fkeys[i], [this, i] { Command13_MouseDown(i); });
        Command13[i]->setFont(QFont(QStringLiteral("Arial"), 7));
    }
    Command8 = button("Rpm hold", &frmFuel1::Command8_MouseDown);
    Command7 = button("Rpm track", &frmFuel1::Command7_MouseDown);
    Command10 = button("-", &frmFuel1::Command10_MouseDown);
    Command9 = button("+", &frmFuel1::Command9_MouseDown);
    Command1 = button("Load hold", &frmFuel1::Command1_MouseDown);
    Command2 = button("Load track", &frmFuel1::Command2_MouseDown);
    Command11 = button("Load center", &frmFuel1::Command11_MouseDown);
    Command12 = button("Arrow center", &frmFuel1::Command12_MouseDown);
    Command15 = button("Roam map", &frmFuel1::Command15_MouseDown);
    Command14 = button("Roam grid", &frmFuel1::Command14_MouseDown);
    cmdSlow = button("-", &frmFuel1::cmdSlow_MouseDown);
    cmdFast = button("+", &frmFuel1::cmdFast_MouseDown);
    Command3 = button("Copy", &frmFuel1::Command3_MouseDown);
    const frmfuel1links &links = fuel1links();
    Command4 = button("Hold", [] {
        if (fuel1links().panelhold) fuel1links().panelhold();
    });
    Command5 = button("Reset", [] {
        if (fuel1links().panelreset) fuel1links().panelreset();
    });
    Command6 = button("Mode", [] {
        if (fuel1links().panelmode) fuel1links().panelmode();
    });
    Command4->setEnabled(bool(links.panelhold));
    Command5->setEnabled(bool(links.panelreset));
    Command6->setEnabled(bool(links.panelmode));
    Label1->setAlignment(Qt::AlignCenter);

    auto picture = [this] {
        auto *frame = new PictureBox(this);
        frame->setAutoFillBackground(true);
        frame->setbackcolour(colours[0]);
        return frame;
    };
    Picture3 = picture();
    picGraph = picture();
    picgauges = picture();
}

void frmFuel1::placeright(QWidget *control, int W, int offset, bool onlywhenwider) {
    // The left edge follows the right edge of the window; the top and size stay.
    if (!onlywhenwider || W > offset) control->move(tw(W - offset), control->y());
}

void frmFuel1::Form_Resize() {
    const int W = isMinimized() ? 0 : totwips(frameGeometry().width());
    const int H = isMinimized() ? 0 : totwips(frameGeometry().height());
    const int menuheight = menubar->sizeHint().height();
    menubar->setGeometry(0, 0, width(), menuheight);
    const int top = totwips(menuheight) + 15;
    const int work = top + rowpitch;

    // Controls at fixed places: tops and sizes, and the left edges that never move.
    for (int i = 0; i < 9; ++i)
        place(Command13[i], margin + i * fkeypitch, top, fkeywidth, rowheight);
    place(Picture3, panelleft, work, panelwidth, workbottom - work);
    place(picGraph, graphleft, work, graphwidth, workbottom - work);
    // The map's title beside the button column, the grid under it. Where the window is too
    // narrow for the title there, it takes the row under the column, above the grid.
    const int beside = W - columnleft - 60 - gridleft;
    int gridtop = work + columnrows * rowpitch;
    if (beside >= titleroom) {
        place(lblMap, gridleft, work, beside, rowheight);
    } else {
        place(lblMap, gridleft, gridtop, std::max(0, W - margin - gridleft), rowheight);
        gridtop += rowpitch;
    }
    // Engine speed and link status sit at the right edge, but never over the function keys:
    // in a narrower window they share what is left after F9 and their texts shrink to fit.
    // Where even that is too little (a screen narrower than the window needs), they take a
    // row of their own over the grid, so the link state always shows.
    int labelstop = top, labelsleft = rowstart;
    if (W - margin - rowstart - labelgap < rpmleast + statusleast) {
        labelstop = gridtop;
        labelsleft = gridleft;
        gridtop += rowpitch;
    }
    const int room = W - margin - labelsleft - labelgap;
    int rpmleft = W - 3840, rpmwidth = 1560, statusleft = W - 2200, statuswidth = 2080;
    if (rpmleft < labelsleft) {
        rpmleft = labelsleft;
        rpmwidth = std::max(300, room * rpmleast / (rpmleast + statusleast));
        statusleft = labelsleft + rpmwidth + labelgap;
        statuswidth = std::max(300, room - rpmwidth);
    }
    place(Label2, rpmleft, labelstop, rpmwidth, rowheight);
    place(Label42, statusleft, labelstop, statuswidth, rowheight);
    mapgrid->setGeometry(tw(gridleft), tw(gridtop), mapgrid->width(), tw(workbottom - gridtop));
    // The panel's buttons under the panel, side by side, clear of the hint line that starts
    // under the graph.
    place(Command4, 120, bottomrow, 720, rowheight);
    place(Command5, 840, bottomrow, 720, rowheight);
    place(Command6, 1560, bottomrow, 720, rowheight);
    place(Text1, graphleft, bottomrow, std::max(0, W - 3000 - graphleft), rowheight);

    // The right-hand column and the step controls: sizes and tops, then the edges.
    struct Right {
        QWidget *control;
        int offset, row, width;
        bool onlywhenwider;
    };
    const Right right[] = {
        {Command2, 1480, 2, pairwidth, true},   {Command12, 1480, 3, pairwidth, true},
        {Command14, 1480, 4, pairwidth, true},  {Command7, 1480, 0, pairwidth, true},
        {Command1, 2680, 2, pairwidth, true},   {Command11, 2680, 3, pairwidth, true},
        {Command8, 2680, 0, pairwidth, true},   {Command10, 2680, 1, smallwidth, true},
        {Command15, 2680, 4, pairwidth, true},  {Command3, 1140, -1, 900, true},
        {Command9, 640, 1, smallwidth, true},   {cmdSlow, 2940, -1, smallwidth, false},
        {cmdFast, 1620, -1, smallwidth, false}, {Label1, 2320, 1, 1620, false},
        {lblTrim, 2580, -1, 900, false},
    };
    for (const Right &r : right) {
        const int rowtop = r.row == -1 ? bottomrow : work + r.row * rowpitch;
        r.control->resize(tw(r.width), tw(rowheight));
        r.control->move(r.control->x(), tw(rowtop));
        placeright(r.control, W, r.offset, r.onlywhenwider);
    }

    if (W > gridspare) mapgrid->resize(tw(W - gridspare), mapgrid->height());
    picgauges->move(tw(margin), tw(gaugetop));
    if (W > 1790) picgauges->resize(tw(W - 1785), picgauges->height());
    if (H > 8870) picgauges->resize(picgauges->width(), tw(H - 8865));
    widegauges = W > widewidth ? 255 : 0;
    if (fuel1links().panelpicreset) fuel1links().panelpicreset();

    if (W < minimisedwidth)
        Timer1->stop();
    else if (!livepaused() && !timerheld && !Timer1->isActive())
        Timer1->start();
}

void frmFuel1::resizeEvent(QResizeEvent *event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmFuel1::changeEvent(QEvent *event) {
    QDialog::changeEvent(event);
    // Minimising keeps the size; the layout still hears of it so the live loop stops.
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

} // namespace korvane
