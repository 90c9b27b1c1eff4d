// GoogleTest main: a QGuiApplication (offscreen) for drawing text, and "." as the decimal separator.
#include "NumberText.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    orvex::SetDecimalSeparator('.');
    return RUN_ALL_TESTS();
}
