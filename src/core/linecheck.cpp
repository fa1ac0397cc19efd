#include "core/linecheck.h"

#include "core/frmwarn10.h"
#include "platform/beep.h"
#include "platform/forms.h"

#include <array>

namespace korvane {

uint8_t writeseq[192];
uint8_t sigperm[256];
uint8_t sigweights[64];
int32_t linesum[maplinecount];
uint8_t linestored[maplinecount];
uint8_t sigindex = 0;

namespace {
// A weight must stay odd after the digit fold of addlinesig (w mod 10 + w div 10): then the
// term value * w mod 256 is a bijection of value, and any one changed data byte changes the
// line's sum. Odd w qualifies when its tens count (w div 10) is even; there are 65 such w.
constexpr bool foldsodd(int w) {
    return w % 2 == 1 && (w / 10) % 2 == 0;
}

constexpr std::array<uint8_t, 256> sigpermdefinition() {
    std::array<uint8_t, 256> perm{};
    std::array<bool, 256> used{};
    std::array<uint8_t, 65> weights{};
    int n = 0;
    for (int w = 1; w < 256; ++w)
        if (foldsodd(w)) weights[n++] = uint8_t(w);
    for (int k = 0; k < 64; ++k) {
        const uint8_t w = weights[(k * 23 + 5) % 64];
        perm[4 * k] = w;
        used[w] = true;
    }
    std::array<uint8_t, 192> rest{};
    n = 0;
    for (int v = 0; v < 256; ++v)
        if (!used[v]) rest[n++] = uint8_t(v);
    int j = 0;
    for (int i = 0; i < 256; ++i)
        if (i % 4 != 0) perm[i] = rest[(j++ * 85 + 17) % 192];
    return perm;
}
} // namespace

void inittables() {
    for (int i = 0; i < 192; ++i)
        writeseq[i] = writeseqvalues[i];
    constexpr auto perm = sigpermdefinition();
    for (int i = 0; i < 256; ++i)
        sigperm[i] = perm[i];
    for (int i = 0; i < 256; ++i) {
        if (i % 4 == 0) sigweights[i / 4] = sigperm[i];
        int count = 0;
        for (uint8_t entry : sigperm)
            count += entry == i;
        if (count != 1) beep();
    }
}

void addlinesig(int line, int position, uint8_t value) {
    int w = sigweights[(line % 2) * 32 + position];
    if (w % 2 == 1) w = w % 10 + w / 10;
    linesum[line] += (value * w) % 256;
}

void findsigindex(uint8_t value) {
    for (int i = 0; i < 256; ++i)
        if (sigperm[i] == value) sigindex = uint8_t(i);
}

uint8_t linecheckbyte(int line) {
    return sigperm[linesum[line] % 256];
}

int failinglines() {
    int bad = 0;
    for (int line = 0; line < maplinecount; ++line) {
        findsigindex(linestored[line]);
        if (linesum[line] % 256 != sigindex) ++bad;
    }
    return bad;
}

int checklinesigs() {
    const int bad = failinglines();
    if (bad > 1) {
        form<frmWarn10>()->exec();
        unload<frmWarn10>();
    }
    return bad;
}

} // namespace korvane
