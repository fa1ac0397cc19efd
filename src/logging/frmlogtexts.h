#pragma once
#include <QString>
#include <QTime>
#include <cstdint>
#include <optional>

namespace korvane {

// The logger's texts and numbers that need no window.

// Timer interval of rate slider value v (1..16): 1000 / (v x 1.3) ms rounded half to even.
int lograteinterval(int v);
// The nominal rate of an interval: 1000 / interval with one decimal and " Hz".
QString lograte(int interval);
// Channel ch (0..15) of a raw byte as the log shows it: scaled by the channel table, with the
// channel's decimals, the locale's decimal sign and no grouping.
QString channeltext(int ch, uint8_t raw);
// A log row's time stamp: the time of day in the locale's time format with seconds.
QString logtimetext(const QTime &time);
// The milliseconds since midnight of a whole second of a time stamp; nothing when the text is
// no time stamp.
std::optional<int> logtimesecond(const QString &text);

} // namespace korvane
