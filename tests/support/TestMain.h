#pragma once
// Entry point for every test program: a headless, private environment
// (offscreen platform, own runtime and configuration folders, United States
// regional conventions), the application object that reports errors the way
// the program does, and recording dialogs in place of real ones.

#include "shell/Application.h"

#include <QtTest>

namespace larkspan::test {
// Prepares the environment; runs before the application object exists.
void prepareEnvironment();
// Installs the recording dialogs for the whole test program.
void installRecordingDialogs();
} // namespace larkspan::test

#define LARKSPAN_TEST_MAIN(TestClass)                                      \
    int main(int argc, char** argv)                                        \
    {                                                                      \
        larkspan::test::prepareEnvironment();                              \
        larkspan::LarkspanApplication app(argc, argv);                     \
        larkspan::test::installRecordingDialogs();                         \
        TestClass tc;                                                      \
        QTEST_SET_MAIN_SOURCE_PATH                                         \
        return QTest::qExec(&tc, argc, argv);                              \
    }
