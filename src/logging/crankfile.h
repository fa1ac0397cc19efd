#pragma once
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace korvane {

// The crank test file (*.gpr): 8000 ASCII bytes, the 1000 trigger edge times then the 1000
// sync edge times, each as four upper-case hexadecimal digits, no separators.
constexpr int crankfilebytes = 8000;
constexpr int32_t crankfilemax = 0xFFFF;

struct crankfileedges {
    std::array<int32_t, 1000> trigger{};
    std::array<int32_t, 1000> sync{};
};

// The file's bytes for the edge lists. Times beyond four digits are written as 65535 (and
// below 0 as 0); clipped counts how many were.
QByteArray encodecrankfile(const int32_t *trigger, const int32_t *sync, int *clipped = nullptr);

// The edge lists of a file's first 8000 bytes (digits of either case). Returns an empty text
// on success, else why the bytes are no crank test file (too short, a character that is not a
// hexadecimal digit); edges is then left as it was.
QString decodecrankfile(const QByteArray &bytes, crankfileedges &edges);

} // namespace korvane
