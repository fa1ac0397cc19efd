#include "graphics/frmatx.h"

#include "core/commands.h"
#include "core/commio.h"
#include "core/linestate.h"
#include "platform/canvas.h"
#include "platform/picturebox.h"
#include "platform/pollrate.h"
#include "platform/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace korvane {

uint8_t maintimerwason = 0;

namespace {
constexpr uint32_t panelfill = 0x202060, lit = 255, unlit = 0x606080;
constexpr int lampx = 230, lampradius = 80;
constexpr int pictureleft = 240, picturetop = 240, picturewidth = 500, pictureheight = 2000;
constexpr int panelpitch = 3300; // from one picture and its labels to the next
constexpr int pollinterval = 100;
const QString caption = QStringLiteral("Panel");

constexpr statuslamp outputs[] = {
    {7, 125, "AC clutch"},    {6, 360, "thermofan"}, {5, 595, "turbo timer"},
    {4, 830, "converter clutch"}, {0, 1065, "fuel pump"},
};
constexpr statuslamp requests[] = {
    {0, 125, "AC request"},           {1, 360, "launch request"},
    {2, 595, "anti-lag request"},     {3, 830, "auxiliary map request"},
    {4, 1065, "input follow request"}, {5, 1300, "barometer request"},
    {6, 1535, "external map request"}, {7, 1770, "AIM display request"},
};
} // namespace

void drawlamps(Canvas &canvas, uint8_t bits, const statuslamp *lamps, int count)
{
    canvas.FillColor = panelfill;
    canvas.box(0, 0, picturewidth, pictureheight, 0);
    canvas.fillstyle = FillStyle::solid;
    for (int i = 0; i < count; ++i) {
        const uint32_t colour = (bits >> lamps[i].bit) & 1 ? lit : unlit;
        canvas.FillColor = colour;
        canvas.circle(lampx, lamps[i].y, lampradius, colour);
    }
}

frmAtx::frmAtx()
{
    setWindowTitle(caption);
    setModal(true);
    setFixedSize(tw(2 * panelpitch + 240), tw(pictureheight + 1080));

    auto panel = [this](int left, const statuslamp *lamps, int count) {
        auto *picture = new PictureBox(this);
        picture->setGeometry(tw(left), tw(picturetop), tw(picturewidth), tw(pictureheight));
        picture->setbackcolour(0);
        for (int i = 0; i < count; ++i) {
            auto *label = new QLabel(lamps[i].label, this);
            label->setGeometry(tw(left + picturewidth + 120), tw(picturetop + lamps[i].y - 120),
                               tw(panelpitch - picturewidth - 240), tw(240));
        }
        return picture;
    };
    Picture1 = panel(pictureleft, outputs, std::size(outputs));
    Picture2 = panel(pictureleft + panelpitch, requests, std::size(requests));

    cmdSave = new QPushButton("E&xit", this);
    cmdSave->setGeometry(tw(pictureleft), tw(picturetop + pictureheight + 240), tw(1200), tw(450));
    connect(cmdSave, &QPushButton::clicked, this, &frmAtx::cmdSave_Click);

    Timer1 = new QTimer(this);
    Timer1->setInterval(pollinterval);
    connect(Timer1, &QTimer::timeout, this, &frmAtx::Timer1_Timer);
    Form_Load();
}

void frmAtx::Form_Load()
{
    maintimerwason = maintimeron() ? 255 : 0;
    setmaintimer(false);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + area.height() / 3);
    }
    Timer1->start();
}

void frmAtx::Form_Unload()
{
    Timer1->stop();
    setmaintimer(maintimerwason == 255);
}

void frmAtx::Timer1_Timer()
{
    uint8_t reply[4];
    const bool answered = queryecu(cmd::queryswitches, reply) == 4;
    setpollrate(*Timer1, answered, pollinterval);
    if (!answered) {
        // The lamps are no longer live: the caption says why.
        if (takeofflineifportdead()) setWindowTitle(caption + " - " + offlinetext());
        return;
    }
    drawlamps(Picture1->canvas(), reply[2], outputs, std::size(outputs));
    drawlamps(Picture2->canvas(), reply[1], requests, std::size(requests));
}

// Exit: the main loop's earlier state comes back as the window unloads.
void frmAtx::cmdSave_Click() { done(Accepted); }

} // namespace korvane
