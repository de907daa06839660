// GoogleTest entry of every Windows test program: refuses to run when the ANSI
// code page is not 1252, since byte-level expectations depend on it, and makes a
// window that does not answer the driver fail the case that sent to it.
#include "drive.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!drive::AnsiCodePageIsExpected()) {
        return 1;
    }
    drive::ReportUnansweredTo([](const std::string& what) { ADD_FAILURE() << what; });
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
