#include "simlink.h"

#include "core/buildprofile.h"
#include "core/commio.h"
#include "core/linecheck.h"
#include "core/linestate.h"
#include "core/mainport.h"
#include "core/prefs.h"

namespace korvane::test {

void SimLinkTest::SetUp() {
    ASSERT_TRUE(ecu.ok()) << ecu.error().toStdString();
    setbuildprofile();
    inittables();
    comport = 1;
    hidemessages = 0;
    commrx = 0;
    resetlinestate();
    ASSERT_EQ(openmainport(), QString());
}

void SimLinkTest::TearDown() {
    closemainport();
}

QByteArray SimLinkTest::takereceived(int count) {
    ecu.waitreceived(count, 1000);
    const QByteArray bytes = ecu.received();
    ecu.clearreceived();
    return bytes;
}

} // namespace korvane::test
