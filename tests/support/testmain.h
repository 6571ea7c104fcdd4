#pragma once
// Test entry: every test executable runs inside a real WyxApp (the program casts the
// application object to it), offscreen, in Europe/Budapest, with a fixed locale.
#include "core/wyxapp.h"

#include <QTest>

namespace TestSupport {
// Sets the process environment before the application object exists.
void prepareProcess();
// Gives every test an isolated settings store and working directory (see TestEnv).
void prepareApplication(WyxApp& app);
} // namespace TestSupport

#define WYX_TEST_MAIN(TestObject)                                                                          \
    int main(int argc, char* argv[])                                                                       \
    {                                                                                                      \
        TestSupport::prepareProcess();                                                                     \
        WyxApp app(argc, argv);                                                                            \
        TestSupport::prepareApplication(app);                                                              \
        TestObject tc;                                                                                     \
        QTEST_SET_MAIN_SOURCE_PATH                                                                         \
        return QTest::qExec(&tc, argc, argv);                                                              \
    }
