#include "core/frmdec1.h"

#include "core/buildprofile.h"
#include "core/calimage.h"
#include "core/colours.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/linecheck.h"
#include "core/linestate.h"
#include "core/mapfile.h"
#include "core/messages.h"
#include "core/names.h"
#include "core/prefs.h"
#include "platform/colour.h"
#include "platform/picturebox.h"
#include "platform/prompts.h"
#include "platform/returnkey.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace korvane {

namespace {
const QString mapfilter = "s20 files|*.s20";
const QString mapext = "s20";
constexpr int messageticks = 50;

void warn(const QString &text) {
    showmessage(text, "Warning", messageticks, forced);
}

QPushButton *button(QWidget *parent, const QString &text, int left,
                    const std::function<void()> &link) {
    auto *command = new QPushButton(text, parent);
    command->setGeometry(tw(left), tw(7080), tw(3300), tw(495));
    command->setEnabled(bool(link));
    return command;
}
} // namespace

frmdec1links &dec1links() {
    static frmdec1links links;
    return links;
}

QPoint startupposition(const QRect &screen, const QSize &window) {
    const int left = screen.x() + (screen.width() - window.width()) / 2;
    const int top = screen.y() + std::max(0, (screen.height() - window.height()) / 3);
    return {left, top};
}

frmdec1::frmdec1() {
    setAttribute(Qt::WA_DeleteOnClose);
    auto *client = new QWidget(this);
    setCentralWidget(client);

    Picture1 = new PictureBox(client);
    Picture1->setGeometry(0, 0, tw(10365), tw(7000));
    Picture1->setAutoFillBackground(true);
    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &frmdec1::Timer1_Timer);

    const frmdec1links &links = dec1links();
    Command1 = button(client, "&UPLOAD FROM ECU", 120, links.upload);
    Command2 = button(client, "&DOWNLOAD TO ECU", 3540, links.download);
    Command3 = button(client, "&MAPS", 6960, links.maps);
    connect(Command1, &QPushButton::clicked, this, &frmdec1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmdec1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmdec1::Command3_Click);

    Label2 = new QLabel("File comments", client);
    Label2->setGeometry(tw(120), tw(7680), tw(10140), tw(720));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setAutoFillBackground(true);

    mnuFile = menuBar()->addMenu("&File");
    mnuNew = mnuFile->addAction("&New", this, &frmdec1::mnuNew_Click);
    mnuOpen = mnuFile->addAction("&Open", this, &frmdec1::mnuopen_Click);
    mnuSave = mnuFile->addAction("&Save", this, &frmdec1::mnuSave_Click);
    mnuComments = mnuFile->addAction("&Edit comments", this, &frmdec1::mnuComments_Click);
    mnuExit = mnuFile->addAction("E&xit", this, &frmdec1::mnuExit_Click);
    mnuTools = menuBar()->addMenu("&Tools");
    mnuPreferences = mnuTools->addAction("&Preferences", this, &frmdec1::mnuPreferences_Click);
    mnuPreferences->setEnabled(bool(links.preferences));

    setFixedSize(tw(10440), tw(8520) + menuBar()->sizeHint().height());
    opennofocus(this);
    Form_Load();
    Timer1->start();
}

void frmdec1::Timer1_Timer() {
    splash.tick(Picture1->canvas());
}

void frmdec1::Form_Load() {
    setbuildprofile();
    if (const QScreen *display = screen())
        move(startupposition(display->availableGeometry(), frameGeometry().size()));
    inittables();

    // A missing or damaged template is reported; the program goes on with the image as it is,
    // under the template's name, and the label keeps its design text instead of stale comments.
    const QString error = loadmapfile(templatefile(), true);
    if (error.isEmpty()) {
        showcomments();
    } else {
        mapfilename = templatefile();
        warn(error);
    }
    setWindowTitle(mapfilename);
    modified = 0;
    groupactive = false;
    std::fill(std::begin(grouprect), std::end(grouprect), 0);
    vctspread = 0; // the VCTi spread is asked for afresh when first needed

    loadcolors();
    loadpreferences();
    initnames();
    setcolours();
}

void frmdec1::setcolours() {
    const auto paint = [](QWidget *widget, uint32_t back, QPalette::ColorRole role) {
        QPalette palette = widget->palette();
        palette.setColor(role, tocolor(back));
        widget->setPalette(palette);
    };
    for (QWidget *control : {static_cast<QWidget *>(Command1), static_cast<QWidget *>(Command2),
                             static_cast<QWidget *>(Command3)})
        paint(control, profilecolours[1], QPalette::Button);
    paint(Label2, profilecolours[1], QPalette::Window);
    paint(this, profilecolours[0], QPalette::Window);
    paint(Picture1, profilecolours[2], QPalette::WindowText);
    Picture1->setbackcolour(profilecolours[0]);
    Picture1->canvas().ForeColor = profilecolours[2];
}

void frmdec1::showcomments() {
    QString text = commenttext(curimage);
    text.replace(QChar(0), QChar(' '));
    Label2->setText(text);
}

void frmdec1::loadascurrent(const QString &path) {
    const QString error = loadmapfile(path, true);
    if (!error.isEmpty()) warn(error);
}

void frmdec1::Command1_Click() {
    if (dec1links().upload) dec1links().upload();
}

void frmdec1::Command2_Click() {
    if (dec1links().download) dec1links().download();
}

void frmdec1::Command3_Click() {
    if (dec1links().maps) dec1links().maps();
}

void frmdec1::mnuPreferences_Click() {
    if (dec1links().preferences) dec1links().preferences();
}

void frmdec1::mnuNew_Click() {
    if (!mayreplaceimage()) return;
    loadascurrent(templatefile());
}

void frmdec1::mnuopen_Click() {
    if (!mayreplaceimage()) return;
    const QString path = openfiledialog(mapfilter, mapext, mapfilepattern());
    if (!path.isEmpty()) loadascurrent(path);
}

void frmdec1::mnuSave_Click() {
    const QString path = savefiledialog(mapfilter, mapext, mapfilepattern());
    if (path.isEmpty()) return;
    const QString error = savemapfile(path);
    if (!error.isEmpty()) warn(error);
}

void frmdec1::mnuComments_Click() {
    const std::optional<QString> answer = inputbox("Edit comments");
    if (!answer || answer->isEmpty()) return;
    storecomments(curimage, *answer);
    markedited();
    showcomments();
}

void frmdec1::mnuExit_Click() {
    close();
}

void frmdec1::closeEvent(QCloseEvent *event) {
    if (mayloseedits("Exit without saving changes?"))
        event->accept();
    else
        event->ignore();
}

} // namespace korvane
