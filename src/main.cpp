#include "core/frmdec1.h"
#include "core/messages.h"
#include "platform/forms.h"
#include "platform/programfolder.h"

#include <QApplication>

using namespace korvane;

namespace {
// Windows and tables of later subsystems register with the start-up window here, so the core
// library never depends on them. Nothing is registered yet: the upload, download and maps
// buttons and the preferences entry stay disabled.
void linkstartupwindow() {}
} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvane");

    // The files shipped in data/ beside the executable seed the program folder.
    const QString error = prepareprogramfolder(QApplication::applicationDirPath() + "/data");
    if (!error.isEmpty()) showmessage(error, "System error", 50, forced);

    linkstartupwindow();
    form<frmdec1>()->show();
    return app.exec();
}
