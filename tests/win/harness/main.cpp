#include <windows.h>

#include <gtest/gtest.h>

#include "app/startup.h"

int main(int argc, char** argv) {
    // A failing test must report, not wait on a system error box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    const ComApartment com;  // as the program's entry point has it
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
