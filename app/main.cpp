// Entry point: creates the one window and runs the event loop.
#include <QApplication>

#include "ui/form1.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnkiste"));
    // Lets docks and Wayland compositors match the window with its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tarnkiste.Tarnkiste"));
    Form1 fenster;
    fenster.show();
    return QApplication::exec();
}
