#include "core/names.h"

namespace korvane {

QString channame[channelcount];
double chanscale[channelcount]{};
double chanoffset[channelcount]{};
QString mapnames[7];

namespace {
struct channeldef {
    const char *name;
    double scale;
    double offset;
};

constexpr channeldef channels[channelcount]{
    {"coolant temp (C)", 1, -20},  {"AFR (:1)", 0.1, 0},
    {"engine speed (rpm)", 50, 0}, {"tps (%)", 0.4, 0},
    {"boost (psi)", 0.156, 0},     {"vehicle speed (kph)", 1, 0},
    {"knock ramp (V)", 0.02, 0},   {"air temp (C)", 1, -20},
    {"duty cycle (%)", 0.4, 0},    {"knock ret. (deg.)", 0.063, 0},
    {"wastegate PID (%)", 0.4, 0}, {"cell X (n)", 1, 0},
    {"cell Y (n)", 1, 0},          {"fuel pulse (ms)", 0.32, 0},
    {"vacuum (mmHg)", 3, 0},       {"advance (deg.)", 1, 0},
    {"O2 left (V)", 0.004, 0},     {"O2 right (V)", 0.004, 0},
    {"baro (kPa)", 0.5, 0},        {"aux 1 (V)", 0.02, 0},
    {"aux 2 (V)", 0.02, 0},        {"aux 3 (V)", 0.02, 0},
    {"aux 4 (V)", 0.02, 0},        {"aux 5 (V)", 0.02, 0},
    {"aux 6 (V)", 0.02, 0},        {"post start (%)", 0.5, 0},
    {"input follow (V)", 0.02, 0}, {"batt volts (V)", 0.02, 10},
    {"load (%)", 0.4, 0},          {"load spread (%)", 0.4, 0},
    {"rpm spread (%)", 0.4, 0},    {"stt left (%)", 0.5, -64},
};

constexpr const char *maptitles[7]{
    "Fuel map",         "Fuel anti-lag trim map",  "Fuel auxiliary trim map",
    "Spark map",        "Spark anti-lag trim map", "Spark auxiliary trim map",
    "Spark backup map",
};
} // namespace

void initnames()
{
    for (int i = 0; i < channelcount; ++i) {
        channame[i] = QString::fromLatin1(channels[i].name);
        chanscale[i] = channels[i].scale;
        chanoffset[i] = channels[i].offset;
    }
    for (int m = 0; m < 7; ++m) mapnames[m] = QString::fromLatin1(maptitles[m]);
}

} // namespace korvane
