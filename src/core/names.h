#pragma once
#include <QString>

namespace korvane {

constexpr int channelcount = 32;

// The ECU's live and log channels, by channel number: a raw byte b of channel i stands for
// b * chanscale[i] + chanoffset[i]. Filled once at start by initnames.
extern QString channame[channelcount]; // name with unit, "coolant temp (C)"
extern double chanscale[channelcount];
extern double chanoffset[channelcount];

// Titles of the seven 32 x 32 maps, by map number - 1.
extern QString mapnames[7];

// Fills the channel table and mapnames. Called once at start, after the colours and
// preferences are read.
void initnames();

} // namespace korvane
