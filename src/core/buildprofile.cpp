#include "core/buildprofile.h"

namespace korvane {

uint32_t profilecolours[7]{};
QString titletext;
QString versiontext;
bool oldmenus = false;
bool oldsettings = false;
uint8_t expectedfw = 0;

void setbuildprofile()
{
    static constexpr uint32_t scheme[7]{0xC0C000, 0xC0C0C0, 0xC0C0C0, 0xFFFFC0,
                                        0xFFFF80, 0xFFFF00, 0xB02020};
    for (int i = 0; i < 7; ++i)
        profilecolours[i] = scheme[i];
    titletext = QStringLiteral("tAvix Korvane 2.50 build 15");
    versiontext =
        QStringLiteral(" .Version 2.50 R14, ECU: KORVANE 2.50 R15 built May 2007 - Dec 2007");
    oldmenus = false;
    oldsettings = false;
    expectedfw = 28;
}

} // namespace korvane
