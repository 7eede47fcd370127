// Tool: writes pictures for people to look at — the artwork, every glyph on both
// boards, the compass, the window at several moments, the rules — and the README's screenshot.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <random>
#include <string>
#include <tuple>

#include "model/feld.h"
#include "model/pruefen.h"
#include "render/brett.h"
#include "render/geometrie.h"
#include "render/glyphen.h"
#include "render/kompass.h"
#include "render/spur.h"
#include "ui/beobachtungsfenster.h"
#include "ui/form1.h"
#include "ui/kunstwerk.h"
#include "ui/qtzeichenflaeche.h"
#include "ui/rasterflaeche.h"
#include "ui/spielregeln.h"
#include "tools/glyphenbogen.h"

namespace {

// Seams that neither wait, sound nor ask: the tool plays a game in no time.
struct Stumm : Dialoge, Zeitgeber, Tonausgabe {
    std::optional<QString> dateiSpeichern(QWidget*, const QString&, const QString&) override { return {}; }
    std::optional<QString> dateiOeffnen(QWidget*, const QString&, const QString&) override { return {}; }
    void meldung(QWidget*, const QString&, const QString&, bool) override {}
    void warten(int) override {}
    void ton(int, int) override {}
};

struct FesterZufall : Zufallsquelle {
    std::mt19937 motor{7};
    void saeen(double) override {}
    double ziehen() override { return std::uniform_real_distribution<double>(0.0, 1.0)(motor); }
};

bool speichern(const QImage& bild, const QString& datei)
{
    if (bild.save(datei))
        return true;
    std::fprintf(stderr, "tarnkiste_bilder: cannot write %s\n", qPrintable(datei));
    return false;
}

// Every glyph on both boards at ratios 1 and 2, and the compass in every direction.
bool bretterUndKompasse(const QDir& ordner)
{
    bool gut = true;
    for (Seite seite : {Seite::Vorgabe, Seite::Nachbau})
        for (int verhaeltnis : {1, 2})
            gut = speichern(brettBild(seite, verhaeltnis), ordner.filePath(brettBildName(seite, verhaeltnis))) && gut;
    for (Seite seite : {Seite::Vorgabe, Seite::Nachbau})
        for (int verhaeltnis : {1, 2})
            gut = speichern(glyphenBogen(seite, verhaeltnis), ordner.filePath(glyphenBogenName(seite, verhaeltnis))) && gut;
    for (Richtung r : {steht, nord, ost, sued, west})
        for (int verhaeltnis : {1, 2})
            gut = speichern(kompassBild(r, verhaeltnis), ordner.filePath(kompassBildName(r, verhaeltnis))) && gut;
    return gut;
}

// The boards with the keyboard cursor, side by side: on the blind, on the
// hidden board's margin, and on the model over a glyph and the trail. Only
// the focused board shows its cursor, so each is grabbed in turn.
QImage cursorBilder(Form1& f)
{
    f.activateWindow();
    QApplication::processEvents();
    const auto gezeigt = [&f](QtZeichenflaeche* feld, std::initializer_list<Qt::Key> tasten) {
        feld->setFocus();
        for (Qt::Key t : tasten)
            feld == f.picVorgabe ? f.picVorgabe_KeyDown(t, {}) : f.picNachbau_KeyDown(t, {});
        QApplication::processEvents();
        return feld->grab().toImage();
    };
    const QImage bilder[] = {
        gezeigt(f.picVorgabe, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}),
        gezeigt(f.picVorgabe, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                               Qt::Key_Down}),
        gezeigt(f.picNachbau, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                               Qt::Key_Down}),
    };
    QImage alle(bilder[0].width() * 3, bilder[0].height(), QImage::Format_RGB32);
    QPainter p(&alle);
    for (int i = 0; i < 3; ++i)
        p.drawImage(bilder[0].width() * i, 0, bilder[i]);
    return alle;
}

// The window on the start screen, just after the start, and in play: a
// probe launched through the hidden box, a model half built and stepped
// with its trail.
bool fenster(const QDir& ordner, const QString& bildschirmfoto)
{
    auto stumm = std::make_shared<Stumm>();
    Dienste d;
    d.dialoge = stumm;
    d.zeitgeber = stumm;
    d.tonausgabe = stumm;
    d.zufall = std::make_shared<FesterZufall>();
    d.tageszeit = [] { return 0.0; };
    d.beenden = [] {};
    Form1 f(d);
    f.show();
    QApplication::processEvents();
    bool gut = speichern(f.grab().toImage(), ordner.filePath(QStringLiteral("fenster-start.png")));

    f.cmdStart_Click();
    gut = speichern(f.grab().toImage(), ordner.filePath(QStringLiteral("fenster-nach-start.png"))) && gut;

    f.cmdTarnkiste_Click();  // a box of up to seven objects
    // A launch from the first place below the box whose run ends by itself.
    int spalte = 0;
    while (spalte < 7 && verborgenerLauf(f.spiel().feldVorgabe, sondeAmRand(Rand::Unten, spalte)).art ==
                             Laufausgang::Art::Endlos)
        ++spalte;
    f.picVorgabe_MouseDown(1, spalte + 0.5, 8.5);
    f.Command5_Click();
    for (auto [x, y, code] : {std::tuple{2, 5, int(UmlenkspiegelSteigend)}, {5, 5, int(Katzenauge)},
                              {5, 2, int(HalbspiegelNW)}, {1, 1, int(SchwarzesLoch)}})
        f.spiel().feldNachbau(x, y) = code;
    f.cmdSpurClear_Click();
    f.chkSpur->setChecked(true);
    f.picNachbau_MouseDown(1, 2.5, 8.5);
    f.cmdZehn_Click();
    f.vscRollo->setValue(40);
    f.picRollo_MouseDown();
    for (double x = 1.0; x < 3.0; x += 0.02)
        f.picRollo_MouseMove(x, 1.0 + 0.3 * (x - 1.0));
    f.picRollo_MouseUp();
    QApplication::processEvents();
    const QImage imSpiel = f.grab().toImage();
    gut = speichern(imSpiel, ordner.filePath(QStringLiteral("fenster-im-spiel.png"))) && gut;
    if (!bildschirmfoto.isEmpty())
        gut = speichern(imSpiel, bildschirmfoto) && gut;
    gut = speichern(cursorBilder(f), ordner.filePath(QStringLiteral("fenster-cursor.png"))) && gut;

    // The record of launches, with a second launch from the exit place, and
    // launches past the model's objects, where it may well differ.
    f.Command5_Click();
    for (int s = 2; s < 6; ++s)
        if (verborgenerLauf(f.spiel().feldVorgabe, sondeAmRand(Rand::Unten, s)).art != Laufausgang::Art::Endlos) {
            f.picVorgabe_MouseDown(1, s + 0.5, 8.5);
            f.Command5_Click();
        }
    f.cmdBeobachtungen_Click();
    QApplication::processEvents();
    gut = speichern(f.beobachtungsfenster()->grab().toImage(), ordner.filePath(QStringLiteral("beobachtungen.png"))) && gut;

    // Long counts in both counter boxes.
    f.txtZaehlerVorgabe->setText(QStringLiteral("304"));
    f.txtZaehler->setText(QStringLiteral("12345"));
    QApplication::processEvents();
    for (QLineEdit* zaehler : {f.txtZaehlerVorgabe, f.txtZaehler}) {
        const QRect ort(zaehler->mapTo(&f, QPoint(0, 0)) - QPoint(20, 20), zaehler->size() + QSize(40, 40));
        const QString name = zaehler == f.txtZaehler ? QStringLiteral("zaehler-nachbau.png") : QStringLiteral("zaehler-vorgabe.png");
        gut = speichern(f.grab(ort).toImage().scaled(ort.size() * 3), ordner.filePath(name)) && gut;
    }
    return gut;
}

// The rules window's whole content, also the part it scrolls to.
bool spielregeln(const QDir& ordner)
{
    Spielregeln regeln;
    regeln.show();
    QApplication::processEvents();
    return speichern(regeln.inhalt()->grab().toImage(), ordner.filePath(QStringLiteral("spielregeln.png")));
}
} // namespace

// Usage: tarnkiste_bilder ORDNER [BILDSCHIRMFOTO]
int main(int argc, char* argv[])
{
    schriftenFestlegen();
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tarnkiste_bilder ORDNER [SCREENSHOT.png]\n");
        return 2;
    }
    const QDir ordner(QString::fromLocal8Bit(argv[1]));
    if (!ordner.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "tarnkiste_bilder: cannot create %s\n", argv[1]);
        return 1;
    }
    bilderSpeichern(ordner.path());
    bool gut = bretterUndKompasse(ordner);
    gut = spielregeln(ordner) && gut;
    gut = fenster(ordner, argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString()) && gut;
    std::printf("tarnkiste_bilder: pictures in %s\n", qPrintable(ordner.absolutePath()));
    return gut ? 0 : 1;
}
