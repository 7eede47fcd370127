// Build tool: writes the window icon as one PNG per size for the desktop icon theme.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <cstdio>

#include "ui/kunstwerk.h"

// Usage: tarnkiste_symbole ORDNER GROESSE...
// Writes ORDNER/GROESSE.png for each size (1 to 1024), each drawn at its
// own size by the code that draws the window icon.
int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: tarnkiste_symbole ORDNER GROESSE...\n");
        return 2;
    }
    const QDir ordner(QString::fromLocal8Bit(argv[1]));
    if (!ordner.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "tarnkiste_symbole: cannot create %s\n", argv[1]);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        bool zahl = false;
        const int groesse = QString::fromLocal8Bit(argv[i]).toInt(&zahl);
        const QSize quadrat(groesse, groesse);
        if (!zahl || groesse < 1 || groesse > 1024) {
            std::fprintf(stderr, "tarnkiste_symbole: no icon size %s\n", argv[i]);
            return 1;
        }
        const QPixmap bild = symbolBild(groesse);
        const QString datei = ordner.filePath(QStringLiteral("%1.png").arg(groesse));
        if (bild.size() != quadrat || !bild.save(datei, "PNG")) {
            std::fprintf(stderr, "tarnkiste_symbole: cannot write %s\n", qPrintable(datei));
            return 1;
        }
    }
    return 0;
}
