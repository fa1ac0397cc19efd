#include "logging/inputtester.h"

#include "editor/numbertext.h"

namespace korvane {

int16_t diagstep = 0;

namespace {
enum class rule { atleast, bit, changed };

struct inputdef {
    const char *name;
    rule test;
    int limit;         // atleast: the smallest high byte; bit: the bit number
    bool averaged;
    double scale, offset; // shown average = raw average * scale + offset
    const char *unit;
    double passlow, passhigh; // the low share must lie strictly between these
    int spaces;               // before the verdict
};

constexpr inputdef inputs[diag::count]{
    {"TPS", rule::atleast, 128, true, 0.4, 0, " %", 0.55, 0.7, 14},
    {"ATS", rule::atleast, 25, true, 1, -20, " C", 0.3, 0.5, 14},
    {"CTS", rule::atleast, 25, true, 1, -20, " C", 0.3, 0.5, 14},
    {"EGO1", rule::atleast, 128, false, 1, 0, "", 0.55, 0.7, 12},
    {"EGO2", rule::atleast, 128, false, 1, 0, "", 0.55, 0.7, 12},
    {"K", rule::atleast, 15, true, 0.02, 0, " V", 0.45, 0.65, 18},
    {"AUX1", rule::bit, 0, false, 1, 0, "", 0.55, 0.7, 12},
    {"AUX2", rule::bit, 1, false, 1, 0, "", 0.55, 0.7, 12},
    {"AUX3", rule::bit, 2, false, 1, 0, "", 0.55, 0.7, 12},
    {"AUX4", rule::bit, 3, false, 1, 0, "", 0.55, 0.7, 12},
    {"AUX5", rule::bit, 4, false, 1, 0, "", 0.55, 0.7, 12},
    {"AUX6", rule::bit, 5, false, 1, 0, "", 0.55, 0.7, 12},
    {"VSS", rule::atleast, 20, true, 1, 0, " KPH", 0.45, 0.65, 14},
    {"RPM", rule::atleast, 2, true, 256, 0, " RPM", 0.45, 0.65, 14},
    {"TRIG", rule::changed, 0, false, 1, 0, "", 0.55, 0.7, 12},
    {"SYNC", rule::changed, 0, false, 1, 0, "", 0.55, 0.7, 12},
};

QString share(int count, int total)
{
    return total == 0 ? QStringLiteral("n/a") : fixedtext(100.0 * count / total, 1) + " %";
}
} // namespace

void InputTester::classify(diaginput input, uint8_t byte)
{
    const inputdef &d = inputs[input];
    inputstat &s = stats[input];
    bool high = false;
    switch (d.test) {
    case rule::atleast: high = byte >= d.limit; break;
    case rule::bit: high = (byte >> d.limit) & 1; break;
    case rule::changed:
        high = byte != s.lastbyte;
        s.lastbyte = byte;
        break;
    }
    // A run has at most 1000 readings of an input, so the counts cannot overflow.
    if (high) {
        ++s.highcount;
        if (d.averaged) s.highavg = 0.1 * byte + 0.9 * s.highavg;
    } else {
        ++s.lowcount;
        if (d.averaged) s.lowavg = 0.1 * byte + 0.9 * s.lowavg;
    }
}

void InputTester::reset()
{
    for (inputstat &s : stats) {
        const uint8_t last = s.lastbyte;
        s = inputstat{};
        s.lastbyte = last;
    }
}

bool InputTester::passes(diaginput input) const
{
    const inputstat &s = stats[input];
    const int total = s.lowcount + s.highcount;
    if (total == 0) return false;
    const double lowshare = double(s.lowcount) / total;
    return lowshare > inputs[input].passlow && lowshare < inputs[input].passhigh;
}

QString InputTester::analysis() const
{
    QString text = QStringLiteral("Analysis results:\r\n\r\n");
    for (int i = 0; i < diag::count; ++i) {
        const inputdef &d = inputs[i];
        const inputstat &s = stats[i];
        const int total = s.lowcount + s.highcount;
        const QString name = QString::fromLatin1(d.name);
        auto average = [&](double raw) {
            return total == 0 ? QStringLiteral("n/a")
                              : fixedtext(raw * d.scale + d.offset, 1) + d.unit;
        };
        text += name + " low: " + share(s.lowcount, total) + "\r\n";
        if (d.averaged) text += name + " low av: " + average(s.lowavg) + "\r\n";
        text += name + " high: " + share(s.highcount, total) + "\r\n";
        if (d.averaged) text += name + " high av: " + average(s.highavg) + "\r\n";
        text += name + " TIME TEST:" + QString(d.spaces, ' ') +
                (passes(diaginput(i)) ? "PASS" : "FAIL") + "\r\n\r\n";
    }
    return text;
}

} // namespace korvane
