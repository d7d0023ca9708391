// SPDX-License-Identifier: EUPL-1.2
// The GUI tests need an application object; they run on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char **argv)
{
    // Test discovery runs the binary without the tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("telvo"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
