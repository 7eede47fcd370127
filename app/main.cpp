// Entry point: creates the one window and runs the event loop.
#include <QApplication>

#include <fontconfig/fontconfig.h>

#include <thread>

#include "ui/form1.h"

int main(int argc, char* argv[])
{
    // Fontconfig reads its configuration and font caches when first asked,
    // some 6 ms that the window's first text would wait for: read beside the
    // toolkit's own start on the second core. Fontconfig is thread-safe, and
    // the toolkit finds it initialised.
    std::thread schriften([] { FcInit(); });
    QApplication app(argc, argv);
    schriften.join();
    QApplication::setApplicationName(QStringLiteral("Tarnkiste"));
    // Lets docks and Wayland compositors match the window with its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tarnkiste.Tarnkiste"));
    Form1 fenster;
    fenster.show();
    return QApplication::exec();
}
