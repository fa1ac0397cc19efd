#include "core/frmdec1.h"
#include "core/messages.h"
#include "core/prefs.h"
#include "editor/axislabels.h"
#include "editor/frmfuel1.h"
#include "editor/selectmap.h"
#include "graphics/drawinglinks.h"
#include "platform/forms.h"
#include "platform/programfolder.h"

#include <QApplication>

using namespace korvane;

namespace {
// Windows and tables of later subsystems register with the start-up window here, so the core
// library never depends on them. The upload and download buttons and the preferences entry
// stay disabled until their windows exist.
void linkstartupwindow() { dec1links().maps = [] { form<frmFuel1>()->exec(); }; }
} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvane");

    // The files shipped in data/ beside the executable seed the program folder.
    const QString error = prepareprogramfolder(QApplication::applicationDirPath() + "/data");
    if (!error.isEmpty()) showmessage(error, "System error", 50, forced);

    linkstartupwindow();
    linkdrawings();
    // Saved preferences may change the axis units and the map's trim step.
    setpreferencessavedhook([] {
        makeaxislabels();
        selectmap();
    });
    form<frmdec1>()->show();
    return app.exec();
}
