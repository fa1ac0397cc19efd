#include "editor/frminput.h"

#include "core/calimage.h"
#include "core/editorstate.h"
#include "editor/celltext.h"
#include "editor/groupcells.h"
#include "editor/gridscroll.h"
#include "editor/inputentry.h"
#include "editor/looppause.h"
#include "editor/mapcatalogue.h"
#include "platform/forms.h"
#include "platform/mapgrid.h"
#include "platform/twips.h"
#include "platform/virtualkeys.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace korvane {

frmInput::frmInput()
{
    setWindowTitle("Manual entry");
    Label1 = new QLabel("Enter new fill value", this);
    Label1->setFont(QFont("Arial", 10));
    Text1 = new QLineEdit("Text1", this);
    Text1->setFont(QFont("Arial", 10));
    // The window sees Enter and Delete first, whichever control has the focus.
    Text1->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Text1);
    setFixedWidth(tw(3600));
    Form_Load();
}

void frmInput::Form_Load()
{
    mainloop.stop();
    if (!groupactive) {
        const int x = mapcatalogue(curmap).kind == mapkind::table16 ? 0 : currpm;
        Label1->setText(valuewastext(curmap, cellvalue(curimage, curmap, x, curload), vctform(),
                                     vctspread));
    }
    Text1->clear();
    adjustSize();
    centreonscreen(*this);
}

void frmInput::setgrid(MapGrid *grid) { gridref = grid; }

void frmInput::inputentry(int x, int y) { korvane::inputentry(Text1->text(), x, y); }

void frmInput::form_Keydown(int keycode)
{
    if (keycode == vk::del) {
        Text1->clear();
        return;
    }
    if (keycode != vk::enter) return;
    if (groupactive) {
        const GroupCells group = groupcells();
        for (int r = group.lorpm; r <= group.hirpm; ++r)
            for (int l = group.loload; l <= group.hiload; ++l) inputentry(r, l);
    } else {
        inputentry(currpm, curload);
    }
    const QPointer<MapGrid> grid = gridref;
    done(Accepted);
    focusgrid(grid);
}

bool frmInput::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const int keycode = virtualkey(static_cast<QKeyEvent &>(*event));
        if (keycode == vk::enter || keycode == vk::del) {
            form_Keydown(keycode);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmInput::keyPressEvent(QKeyEvent *event)
{
    const int keycode = virtualkey(*event);
    if (keycode == vk::enter || keycode == vk::del)
        form_Keydown(keycode);
    else
        QDialog::keyPressEvent(event);
}

// However it closes, the live loop is put back as it was and the next entry starts afresh.
void frmInput::done(int result)
{
    mainloop.restore();
    QDialog::done(result);
    if (forminstance<frmInput>() == this) unload<frmInput>();
}

} // namespace korvane
