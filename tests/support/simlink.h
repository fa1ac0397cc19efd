#pragma once
#include "simecu.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

namespace korvane::test {

// A test with a fresh program folder, a simulated ECU linked as COM1 and the main port open
// on it (comport 1).
class SimLinkTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The bytes the ECU received since the last call, once count of them have arrived.
    QByteArray takereceived(int count);

    TempProgramFolder folder;
    SimEcu ecu{1};
};

} // namespace korvane::test
