#include "xlsxcells.h"

#include <QFile>
#include <QXmlStreamReader>
#include <zlib.h>

namespace korvane::test {

namespace {

quint32 le(const QByteArray &b, qsizetype at, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | quint8(b.at(at + i));
    return v;
}

QByteArray inflateraw(const QByteArray &packed, qsizetype size)
{
    QByteArray out(size, '\0');
    z_stream z = {};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return {};
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
    z.avail_in = uInt(packed.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    const int rc = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    return rc == Z_STREAM_END ? out : QByteArray();
}

// One member of a zip archive, found through the central directory.
QByteArray zipmember(const QByteArray &zip, const QByteArray &name)
{
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0 || end + 22 > zip.size())
        return {};
    qsizetype at = le(zip, end + 16, 4);
    for (quint32 n = le(zip, end + 10, 2); n > 0 && at + 46 <= zip.size(); --n) {
        const quint32 method = le(zip, at + 10, 2), packed = le(zip, at + 20, 4),
                      size = le(zip, at + 24, 4), namelen = le(zip, at + 28, 2),
                      skip = le(zip, at + 30, 2) + le(zip, at + 32, 2), local = le(zip, at + 42, 4);
        if (zip.mid(at + 46, namelen) == name && local + 30 <= zip.size()) {
            const qsizetype data = local + 30 + le(zip, local + 26, 2) + le(zip, local + 28, 2);
            const QByteArray raw = zip.mid(data, packed);
            return method == 0 ? raw : inflateraw(raw, size);
        }
        at += 46 + namelen + skip;
    }
    return {};
}

} // namespace

QMap<QString, QString> xlsxcells(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(zipmember(file.readAll(), "xl/worksheets/sheet1.xml"));
    QMap<QString, QString> cells;
    QString ref;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"c")
            ref = xml.attributes().value("r").toString();
        else if (xml.name() == u"v" || xml.name() == u"t")
            cells[ref] = xml.readElementText();
    }
    return cells;
}

} // namespace korvane::test
