#include "config/frmoutputs.h"
#include "config/frmsettings1.h"
#include "config/frmtrig1.h"
#include "core/frmdec1.h"
#include "core/frmdown1.h"
#include "core/frmimportmap.h"
#include "core/frmup1.h"
#include "core/messages.h"
#include "core/prefs.h"
#include "core/upload.h"
#include "editor/axislabels.h"
#include "editor/copyrange.h"
#include "editor/frmfloat.h"
#include "editor/frmfuel1.h"
#include "editor/frmfuel1links.h"
#include "editor/frminjtrim.h"
#include "editor/frmwarn4.h"
#include "editor/frmwizard.h"
#include "editor/selectmap.h"
#include "editor/switchaxes.h"
#include "graphics/drawinglinks.h"
#include "graphics/drawvct.h"
#include "graphics/frmangle.h"
#include "graphics/frmatx.h"
#include "graphics/frmcolors.h"
#include "graphics/frmltt.h"
#include "graphics/frmpreferences.h"
#include "graphics/frmzero.h"
#include "graphics/threedraw.h"
#include "logging/frmdiag.h"
#include "logging/frmlog.h"
#include "logging/frmtrigtest.h"
#include "platform/focusframe.h"
#include "platform/forms.h"
#include "platform/menukeys.h"
#include "platform/programfolder.h"
#include "platform/returnkey.h"

#include <QApplication>

using namespace korvane;

namespace {
// Windows and tables of later subsystems register with the start-up window here, so the core
// library never depends on them.
void linkstartupwindow() {
    dec1links().maps = [] { form<frmFuel1>()->exec(); };
    dec1links().preferences = [] { form<frmPreferences>()->exec(); };
    dec1links().upload = [] {
        uploadmode = 1;
        form<frmUp1>()->exec();
    };
    dec1links().download = [] { form<frmDown1>()->exec(); };
}

// The main window's tools that live in other files or libraries.
void linkmaintools() {
    frmfuel1links &links = fuel1links();
    links.angle = [] { form<frmAngle>()->exec(); };
    links.ltt = [] { form<frmLtt>()->exec(); };
    links.panel = [] { form<frmAtx>()->exec(); };
    links.monitor = [] { form<frmZero>()->exec(); };
    camtimingview() = drawVCT;
    links.colours = [] { form<frmColors>()->exec(); };
    links.preferences = [] { form<frmPreferences>()->exec(); };
    links.importmap = [] { form<frmImportMap>()->exec(); };
    importmaplinks().selectmap = selectmap;
    links.injectortrim = [] { form<frmInjtrim>()->exec(); };
    links.loadinjector = [] { form<frmwizard>()->exec(); };
    links.switchaxes = switchaxes;
    links.askvctispread = askvctispread;
    links.resettraces = [] { form<frmWarn4>()->exec(); };
    links.floatgrid = [] { form<frmFloat>()->exec(); };
    links.settings = [] { form<frmSettings1>()->exec(); };
    links.outputs = [] { form<frmOutputs>()->exec(); };
    links.triggers = [] { form<frmTrig1>()->exec(); };
    links.copyrows = copyrows;
    links.logdata = [] { form<frmLog>()->exec(); };
    links.inputdiag = [] { form<frmDiag>()->exec(); };
    links.cranktest = [] { form<frmTrigtest>()->exec(); };
}
} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvane");
    installreturnrule();
    installfocusframe();
    installmenukeys();

    // The files shipped in data/ beside the executable seed the program folder.
    const QString error = prepareprogramfolder(QApplication::applicationDirPath() + "/data");
    if (!error.isEmpty()) showmessage(error, "System error", 50, forced);

    linkstartupwindow();
    linkdrawings();
    linkmaintools();
    // Saved preferences may change the axis units and the map's trim step.
    setpreferencessavedhook([] {
        makeaxislabels();
        selectmap();
    });
    form<frmdec1>()->show();
    return app.exec();
}
