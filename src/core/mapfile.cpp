#include "core/mapfile.h"

#include "core/calimage.h"
#include "core/flags.h"
#include "core/frmdec1.h"
#include "core/linecheck.h"
#include "core/maptext.h"
#include "platform/forms.h"
#include "platform/programfolder.h"
#include "platform/savefile.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>

namespace korvane {

QByteArray filetext;
QByteArray savetext;
QString mapfilename;
QString srcfilename;

namespace {
constexpr int commentcolumn = 42;

bool commentcharacter(int c) {
    return c >= 32 && c <= 127;
}
} // namespace

QString templatefile() {
    return programfolder() + "template.s20";
}

QString mapfilepattern() {
    const QString folder =
        mapfilename.isEmpty() ? programfolder() : QFileInfo(mapfilename).absolutePath() + '/';
    return folder + "*.s20";
}

QString readmapfile(const QString &path, QByteArray &text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString("Cannot open %1: %2").arg(path, file.errorString());
    const QByteArray read = file.read(mapfilelength);
    if (file.error() != QFileDevice::NoError)
        return QString("Cannot read %1: %2").arg(path, file.errorString());
    text = read;
    return {};
}

QString loadmapfile(const QString &path, bool ascurrent) {
    QByteArray text;
    QString error = readmapfile(path, text);
    calimage &image = ascurrent ? curimage : srcimage;
    if (!error.isEmpty()) return error;
    error = unpackimage(text, image);
    if (!error.isEmpty()) return QString("%1\n%2").arg(path, error);

    filetext = text;
    if (!ascurrent) {
        srcfilename = path;
        return {};
    }
    savetext = text;
    mapfilename = path;
    showmapfilename();
    calcmapsums();
    clearchanged();
    modified = 0;
    sumlines(text);
    checklinesigs();
    readcomments();
    return {};
}

QString savemapfile(const QString &path) {
    QByteArray text = savetext.size() == mapfilelength ? savetext : blankmaptext();
    packimage(curimage, text);
    const QString error = writewholefile(path, text);
    if (!error.isEmpty()) return error;
    savetext = text;
    mapfilename = path;
    showmapfilename();
    return {};
}

QString commenttext(const calimage &image) {
    QString text;
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 32; ++j)
            text += QChar(image.afrmap[commentcolumn + i][j]);
    return text;
}

void storecomments(calimage &image, const QString &text) {
    const QString line = text.left(256).leftJustified(256, ' ');
    for (int n = 0; n < 256; ++n) {
        const int c = line[n].unicode();
        image.afrmap[commentcolumn + n / 32][n % 32] = commentcharacter(c) ? int16_t(c) : 0;
    }
}

void readcomments() {
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 32; ++j) {
            int16_t &c = curimage.afrmap[commentcolumn + i][j];
            if (!commentcharacter(c)) c = 0;
        }
    if (loaded<frmdec1>()) form<frmdec1>()->showcomments();
}

void showmapfilename() {
    if (loaded<frmdec1>()) form<frmdec1>()->setWindowTitle(mapfilename);
}

} // namespace korvane
