#include "config/triggers.h"
#include "tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace korvane;
using namespace korvane::test;

namespace {
QStringList names(std::initializer_list<const char *> list) {
    QStringList out;
    for (const char *name : list) out << QString::fromLatin1(name);
    return out;
}
} // namespace

TEST(TriggerFile, NamesOfBothGroups) {
    triggertypes t = parsetriggers("A|B|:X|Y|");
    EXPECT_EQ(t.trigger, names({"A", "B"}));
    EXPECT_EQ(t.sync, names({"X", "Y"}));
    t = parsetriggers("A|B|C:X|Z"); // C runs into the sync group; Z is never ended
    EXPECT_EQ(t.trigger, names({"A", "B"}));
    EXPECT_EQ(t.sync, names({"CX"}));
    t = parsetriggers("A|\r\nB|:S1:|\xe9|");
    EXPECT_EQ(t.trigger, names({"A", "\r\nB"}));
    EXPECT_EQ(t.sync, QStringList({"S1:", QString(QChar(0xE9))}));
    t = parsetriggers(QByteArray("A|B\0|:X|", 8));
    EXPECT_EQ(t.trigger, names({"A"}));
    EXPECT_TRUE(t.sync.isEmpty());
    t = parsetriggers("A|B|");
    EXPECT_EQ(t.trigger, names({"A", "B"}));
    EXPECT_TRUE(t.sync.isEmpty());
}

TEST(TriggerFile, OnlyTheFirstThousandBytesOfTheShippedPlaceCount) {
    TempProgramFolder folder;
    const triggertypes shipped = gettriggers();
    EXPECT_FALSE(shipped.trigger.isEmpty());
    EXPECT_FALSE(shipped.sync.isEmpty());

    QFile file(triggerfilepath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(997, 'n') + "|a|:b|");
    file.close();
    const triggertypes t = gettriggers();
    EXPECT_EQ(t.trigger, QStringList({QString(997, 'n'), "a"}));
    EXPECT_TRUE(t.sync.isEmpty());

    QFile::remove(triggerfilepath());
    EXPECT_TRUE(gettriggers().trigger.isEmpty());
}
