// Entry point: creates the one window and runs the event loop.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/form1.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnkiste"));
    // Lets docks and Wayland compositors match the window with its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tarnkiste.Tarnkiste"));
    // The interface is German; so are Qt's own dialogs where the translation is installed.
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);
    Form1 fenster;
    fenster.show();
    return QApplication::exec();
}
