#include "core/timing.h"

#include "platform/serialport.h"

#include <thread>

namespace korvane {

void countedpause(SerialPort &port, long rounds) {
    port.drain();
    std::this_thread::sleep_for(roundstime(rounds));
}

} // namespace korvane
