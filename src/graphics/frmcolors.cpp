#include "graphics/frmcolors.h"

#include "core/colours.h"
#include "core/messages.h"
#include "editor/frmfuel1.h"
#include "platform/prompts.h"
#include "platform/returnkey.h"
#include "platform/twips.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

namespace korvane {

namespace {
constexpr int wireslot = 1;

void redrawmainmap()
{
    if (loaded<frmFuel1>()) form<frmFuel1>()->drawmap();
}
} // namespace

int colourslot(int listindex)
{
    static constexpr int listslots[6] = {0, 1, 2, 3, 5, 6};
    return listindex >= 0 && listindex < 6 ? listslots[listindex] : -1;
}

frmColors::frmColors()
{
    setWindowTitle("Color selection");
    setModal(true);
    setFixedSize(tw(4200), tw(3000));

    List1 = new QListWidget(this);
    List1->setGeometry(tw(240), tw(240), tw(3720), tw(1800));
    connect(List1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { List1_Click(List1->row(item)); });
    List1->installEventFilter(this);
    cmdSave = new QPushButton("&Save", this);
    cmdSave->setGeometry(tw(240), tw(2280), tw(1200), tw(450));
    connect(cmdSave, &QPushButton::clicked, this, &frmColors::cmdSave_Click);
    Command1 = new QPushButton("&Ok", this);
    Command1->setGeometry(tw(2760), tw(2280), tw(1200), tw(450));
    connect(Command1, &QPushButton::clicked, this, &frmColors::Command1_Click);
    Form_Load();
}

void frmColors::Form_Load()
{
    centreonscreen(*this);
    List1->addItems({"Background colour", "Wire graph colour", "RPM band colour",
                     "MAP band colour", "Keyboard trim band colour", "Highlight colour"});
}

void frmColors::List1_Click(int index)
{
    const int slot = colourslot(index);
    if (slot < 0) return;
    const std::optional<uint32_t> chosen = colourdialog(colours[slot]);
    if (!chosen) return;
    colours[slot] = *chosen;
    // The traces of the 3D view start again from the new wire colour.
    if (slot == wireslot) resettraces(*chosen);
}

// Enter or Space on the list chooses its current entry as a click does.
bool frmColors::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        const auto &key = static_cast<const QKeyEvent &>(*event);
        const bool choose =
            isreturnkey(key) || (key.key() == Qt::Key_Space && key.modifiers() == Qt::NoModifier);
        if (choose && List1->currentRow() >= 0) {
            List1_Click(List1->currentRow());
            return true;
        }
    }
    return ToolWindow<frmColors>::eventFilter(watched, event);
}

void frmColors::cmdSave_Click()
{
    const QString error = savecolors();
    if (!error.isEmpty()) {
        // The window stays, so the user can try again or keep the colours for this run.
        showmessage("The colours were not saved: " + error, "System error", 30, forced);
        return;
    }
    done(Accepted);
    redrawmainmap();
}

void frmColors::Command1_Click()
{
    done(Accepted);
    redrawmainmap();
}

} // namespace korvane
