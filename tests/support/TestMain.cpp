// The main() of every test binary: isolates the process (see TestEnv.h),
// starts the Qt application object the test kind needs, runs GoogleTest.
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#ifdef QUORRELIN_TEST_GUI
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
    testenv::prepareIsolatedEnvironment();
    // Listing the tests (done by CTest to discover them) needs no Qt at all.
    // Looked for before GoogleTest takes its own flags out of argv.
    bool listing = false;
    for (int i = 1; i < argc; ++i)
        listing = listing || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    ::testing::InitGoogleTest(&argc, argv);

    std::unique_ptr<TestApplication> app;
    if (!listing) {
#ifdef QUORRELIN_TEST_GUI
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#endif
        app = std::make_unique<TestApplication>(argc, argv);
    }
    const int result = RUN_ALL_TESTS();
    app.reset();
    testenv::removeIsolatedEnvironment();
    return result;
}
