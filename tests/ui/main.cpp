// Entry of the window tests: a headless application in the tests' own fonts around the test run.
#include <QApplication>
#include <QtPlugin>
#include <gtest/gtest.h>

#include "tools/glyphenbogen.h"

// Hears what the window tells a screen reader (mithoerer.h).
Q_IMPORT_PLUGIN(MithoererPlugin)

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Pictures with text come out the same on every machine.
    schriftenFestlegen();
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
