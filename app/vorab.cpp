// Build tool: paints the legend's black hole, the one picture too slow to paint at start, for the program's resources.
#include <QDir>
#include <QGuiApplication>
#include <QString>

#include <cstdio>

#include "ui/kunstwerk.h"
#include "ui/legende.h"

// Usage: tarnkiste_vorab ORDNER
// Writes ORDNER/schwarzes-loch@1x.png and @2x.png, painted by the code the
// window would paint them with.
int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarnkiste_vorab ORDNER\n");
        return 2;
    }
    const QDir ordner(QString::fromLocal8Bit(argv[1]));
    if (!ordner.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "tarnkiste_vorab: cannot create %s\n", argv[1]);
        return 1;
    }
    for (int verhaeltnis : vorabVerhaeltnisse) {
        const QString datei = ordner.filePath(vorabLochName(verhaeltnis));
        if (!legendenBildMalen(legendeSchwarzesLoch, verhaeltnis).save(datei, "PNG")) {
            std::fprintf(stderr, "tarnkiste_vorab: cannot write %s\n", qPrintable(datei));
            return 1;
        }
    }
    return 0;
}
