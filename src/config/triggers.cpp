#include "config/triggers.h"

#include "platform/programfolder.h"

#include <QFile>

namespace korvane {

triggertypes parsetriggers(const QByteArray &text)
{
    triggertypes types;
    QStringList *list = &types.trigger;
    QByteArray name;
    for (const char byte : text.left(triggerfilelimit)) {
        if (byte == 0) break;
        if (byte == ':' && list == &types.trigger) {
            list = &types.sync; // the unfinished name carries over into the sync group
        } else if (byte == '|') {
            list->append(QString::fromLatin1(name));
            name.clear();
        } else {
            name += byte;
        }
    }
    return types;
}

QString triggerfilepath() { return programfolder() + "triggers.txt"; }

triggertypes gettriggers()
{
    QFile file(triggerfilepath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return parsetriggers(file.read(triggerfilelimit));
}

} // namespace korvane
