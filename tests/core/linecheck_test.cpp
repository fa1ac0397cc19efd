#include "core/frmwarn10.h"
#include "core/linecheck.h"
#include "core/maptext.h"
#include "maptestkit.h"
#include "responder.h"

#include <QLineEdit>
#include <QProgressBar>
#include <gtest/gtest.h>

#include <cctype>
#include <set>

using namespace korvane;

TEST(LineCheck, TablesAreAPermutationWithOddFoldedWeights) {
    inittables();
    EXPECT_EQ(std::set<uint8_t>(std::begin(sigperm), std::end(sigperm)).size(), 256u);
    for (int k = 0; k < 64; ++k) {
        const int w = sigperm[4 * k];
        EXPECT_EQ(sigweights[k], w);
        EXPECT_EQ(w % 2, 1) << k;
        EXPECT_EQ((w % 10 + w / 10) % 2, 1) << "weight " << w << " folds to an even factor";
    }
    EXPECT_TRUE(std::equal(std::begin(writeseqvalues), std::end(writeseqvalues), writeseq));
    for (int i = 0; i < 256; ++i) {
        findsigindex(sigperm[i]);
        EXPECT_EQ(sigindex, i);
    }
}

// Every single-byte change of a line's data or check field (beyond the case of a digit) is
// either refused as a bad digit or makes that line, and only that line, fail. Exhaustive over byte
// values, for an even and an odd line.
TEST(LineCheck, EverySingleByteChangeOfALineIsCaught) {
    inittables();
    QByteArray text = test::maptextof(test::randomimage(11));
    sumlines(text);
    ASSERT_EQ(failinglines(), 0);
    for (int line : {0, 1}) {
        for (int p = mapdatastart; p < mapcheckstart + 2; ++p) {
            const int offset = line * maplinelength + p;
            const char original = text[offset];
            for (int value = 0; value < 256; ++value) {
                // The same digit in the other case is the same value, not a change.
                if (std::tolower(value) == std::tolower(original)) continue;
                text[offset] = char(value);
                if (!std::isxdigit(value)) {
                    ASSERT_TRUE(checkmaptext(text).startsWith(QString("Line %1,").arg(line + 1)));
                    continue;
                }
                sumlines(text);
                ASSERT_EQ(failinglines(), 1) << "line " << line << " position " << p;
                findsigindex(linestored[line]);
                ASSERT_NE(linesum[line] % 256, sigindex);
            }
            text[offset] = original;
        }
    }
    // The same holds for data byte values themselves: each term is a bijection of the byte.
    for (int line : {0, 1})
        for (int b = 0; b < 32; ++b) {
            std::set<int> terms;
            for (int v = 0; v < 256; ++v) {
                linesum[line] = 0;
                addlinesig(line, b, uint8_t(v));
                terms.insert(linesum[line] % 256);
            }
            EXPECT_EQ(terms.size(), 256u) << line << " " << b;
        }
}

TEST(LineCheck, ALineCopiedToTheSameParityStillPasses) {
    inittables();
    QByteArray text = test::maptextof(test::randomimage(3));
    text.replace(20 * maplinelength + 8, 66, text.mid(4 * maplinelength + 8, 66));
    sumlines(text);
    EXPECT_EQ(failinglines(), 0);
}

TEST(WaitWindow, ClosesOnTheTickAfter100OrAfterTheSkipCode) {
    auto *wait = new frmWarn10;
    wait->show();
    EXPECT_EQ(wait->windowTitle(), "Working invalid file");
    for (int i = 0; i < 99; ++i)
        wait->Timer1_Timer();
    EXPECT_EQ(wait->ProgressBar1->value(), 99);
    wait->Timer1_Timer(); // 100: nothing
    EXPECT_TRUE(wait->isVisible());
    wait->Timer1_Timer();
    EXPECT_FALSE(wait->isVisible());
    delete wait;

    wait = new frmWarn10;
    wait->show();
    EXPECT_EQ(waitcount, 0);
    wait->Text1->setText("BRANTOPEWELK");
    wait->Timer1_Timer();
    EXPECT_EQ(waitcount, 1);
    wait->Text1->setText("brantopewelk");
    wait->Timer1_Timer();
    EXPECT_EQ(waitcount, 100);
    EXPECT_TRUE(wait->isVisible());
    wait->Timer1_Timer();
    EXPECT_FALSE(wait->isVisible());
    delete wait;
}

TEST(WaitWindow, ShownOnlyWhenMoreThanOneLineFails) {
    inittables();
    QByteArray text = test::maptextof(test::randomimage(5));
    test::WaitWindowCloser closer;
    sumlines(text);
    EXPECT_EQ(checklinesigs(), 0);
    text[3 * maplinelength + 72] = text[3 * maplinelength + 72] == '0' ? '1' : '0';
    sumlines(text);
    EXPECT_EQ(checklinesigs(), 1);
    EXPECT_EQ(closer.waits, 0);
    text[8 * maplinelength + 20] = text[8 * maplinelength + 20] == '0' ? '1' : '0';
    sumlines(text);
    EXPECT_EQ(checklinesigs(), 2);
    EXPECT_EQ(closer.waits, 1);
}

TEST(WaitWindow, ThePromptResponderEndsItAtOnce) {
    inittables();
    QByteArray text = test::maptextof(test::randomimage(6));
    for (int line : {2, 9})
        text[line * maplinelength + 20] = text[line * maplinelength + 20] == '0' ? '1' : '0';
    sumlines(text);
    test::Responder responder;
    EXPECT_EQ(checklinesigs(), 2);
    EXPECT_EQ(responder.invalidwaits, 1);
}
