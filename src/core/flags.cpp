#include "core/flags.h"

#include "platform/prompts.h"

namespace korvane {

uint8_t modified = 0;
uint8_t livewrite = 0;
uint8_t editready = 0;
uint8_t pollphase = 0;

bool mayloseedits(const QString &question)
{
    return modified != flagset || msgboxokcancel(question);
}

bool mayreplaceimage()
{
    return mayloseedits(
        QStringLiteral("Discard the changes made since the calibration was loaded or uploaded?"));
}

} // namespace korvane
