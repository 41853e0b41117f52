// Every test binary starts with the ephemeris pointed at the build tree's data folder.
#include <gtest/gtest.h>

#include "core/data_folder.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    InitialiseEphemeris();
    const int rc = RUN_ALL_TESTS();
    CloseEphemeris();
    return rc;
}
