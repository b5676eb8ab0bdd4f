#include <QApplication>

#include <gtest/gtest.h>

// The widget tests need a QApplication; without a display they use Qt's
// off-screen platform, which is also what test discovery at build time gets.
int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
