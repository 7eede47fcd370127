// The window's layout: every control at its twip position (15 twips to a
// pixel), front to back as listed, with its caption, font, colours and first state.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>

#include <functional>
#include <future>
#include <initializer_list>
#include <memory>
#include <vector>

#include "render/aussehen.h"
#include "ui/fensterflaeche.h"
#include "ui/festesbild.h"
#include "ui/form1.h"
#include "ui/kunstwerk.h"
#include "ui/legende.h"
#include "ui/marker.h"
#include "ui/qtfarbe.h"
#include "ui/qtzeichenflaeche.h"
#include "ui/randmarkenbild.h"
#include "ui/spaetesbild.h"

namespace {


QRect tw(int links, int oben, int breite, int hoehe)
{
    return {links / twipsProPixel, oben / twipsProPixel, breite / twipsProPixel, hoehe / twipsProPixel};
}

// Fonts are sized in pixels at the design's 96 dpi, so the fixed layout
// holds whatever resolution the screen reports.
QFont serif(double punkte, bool fett = false)
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(qRound(punkte * 96.0 / 72.0));
    f.setBold(fett);
    return f;
}

// The user-interface font at 8 point, for controls without a font of their own.
QFont standardSchrift()
{
    QFont f = QApplication::font();
    f.setPixelSize(qRound(8.0 * 96.0 / 72.0));
    return f;
}

void einfaerben(QWidget* w, QPalette::ColorRole rolle, const QColor& farbe)
{
    QPalette p = w->palette();
    p.setColor(rolle, farbe);
    w->setPalette(p);
}

// A graphical button shows its background colour (and picture, if any).
void grafisch(QPushButton* knopf, const QColor& farbe)
{
    einfaerben(knopf, QPalette::Button, farbe);
    einfaerben(knopf, QPalette::Window, farbe);
    knopf->setAutoFillBackground(true);
}

// A picture painted on the second core while the window is built, for the
// first paint to find ready; any later request paints anew.
Bildmaler nebenbei(Nebenbei& faden, std::function<QImage()> malen)
{
    return [malen, vorab = faden.dazu(malen)]() mutable {
        if (!vorab.valid())
            return QPixmap::fromImage(malen());
        QImage bild = vorab.get();
        vorab = {};
        return QPixmap::fromImage(std::move(bild));
    };
}

// The picture is painted when the button is first shown, at the size given.
void bildKnopf(QPushButton* knopf, QSize groesse, Bildmaler malen)
{
    knopf->setIcon(spaetesSymbol(groesse, std::move(malen)));
    knopf->setIconSize(groesse);
}

QLineEdit* textfeld(QWidget* eltern, const QRect& ort, const QString& text, const QFont& schrift, bool zentriert = true)
{
    auto* t = new QLineEdit(text, eltern);
    t->setGeometry(ort);
    t->setFont(schrift);
    if (zentriert)
        t->setAlignment(Qt::AlignCenter);
    t->setTextMargins(0, 0, 0, 0);
    t->setContentsMargins(0, 0, 0, 0);
    return t;
}

QPushButton* knopf(QWidget* eltern, const QRect& ort, const QString& text, const QFont& schrift)
{
    auto* k = new QPushButton(text, eltern);
    k->setGeometry(ort);
    k->setFont(schrift);
    return k;
}

QCheckBox* kontrollkaestchen(QWidget* eltern, const QRect& ort, const QString& text, bool an, const QFont& schrift)
{
    auto* c = new QCheckBox(text, eltern);
    c->setGeometry(ort);
    c->setFont(schrift);
    c->setChecked(an);
    return c;
}

QScrollBar* rollbalken(QWidget* eltern, Qt::Orientation richtung, const QRect& ort, int min, int max, int wert)
{
    auto* s = new QScrollBar(richtung, eltern);
    s->setGeometry(ort);
    s->setRange(min, max);
    s->setSingleStep(1);
    s->setPageStep(1);
    s->setValue(wert);
    // Scroll bars take no focus by default; here they do, for the arrow keys.
    s->setFocusPolicy(Qt::StrongFocus);
    // Qt inverts the keys of scroll bars so that Up scrolls a view up; on a
    // horizontal bar that would move the thumb right on the Left key.
    if (richtung == Qt::Horizontal)
        s->setInvertedControls(false);
    return s;
}

FestesBild* festesBild(QWidget* eltern, const QRect& ort, const QColor& hintergrund)
{
    auto* b = new FestesBild(eltern);
    b->setGeometry(ort);
    b->hintergrundSetzen(hintergrund);
    return b;
}

QFrame* rahmen(QWidget* eltern, const QRect& ort)
{
    auto* f = new QFrame(eltern);
    f->setGeometry(ort);
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return f;
}

// Earlier in the list lies in front: lowering each in turn leaves the first on top.
void stapeln(std::initializer_list<QWidget*> vornNachHinten)
{
    for (QWidget* w : vornNachHinten)
        if (w)
            w->lower();
}

} // namespace

void Form1::aufbauen()
{
    setWindowTitle(QStringLiteral("Tarnkiste Prototyp"));
    setWindowIcon(fensterSymbol());

    flaeche = new Fensterflaeche(this);
    // The window may grow (the surface fills the rest) but never shrink below the layout.
    flaeche->setMinimumSize(16230 / twipsProPixel, 10635 / twipsProPixel);
    setCentralWidget(flaeche);

    fensterFlaecheAufbauen();
    legendeAufbauen();
    randschalterAufbauen();
    laufPanelAufbauen();
    einstellPanelAufbauen();
    felderAufbauen();
    menueAufbauen();
    tabReihenfolgeSetzen();
}

void Form1::fensterFlaecheAufbauen()
{
    QWidget* f = flaeche;
    const QFont normal = standardSchrift();

    cmdStart = knopf(f, tw(480, 6960, 14895, 2655), QString(), normal);
    grafisch(cmdStart, QColor(255, 255, 192));
    const qreal r = devicePixelRatioF();
    // The start screen's lettering, painted on the picture thread (bench case `start/ohne-nebenbei`).
    bildKnopf(cmdStart, startKnopfGroesse, nebenbei(nebenbei_, [r] { return startKnopfBildMalen(r); }));

    auto verborgenesKaestchen = [&](int index, const QRect& ort, const QString& text) {
        chkErlaubnis[static_cast<std::size_t>(index)] = kontrollkaestchen(f, ort, text, true, normal);
        chkErlaubnis[static_cast<std::size_t>(index)]->hide();
    };
    verborgenesKaestchen(4, tw(0, 5880, 495, 255), QStringLiteral("4"));

    Check1 = kontrollkaestchen(f, tw(7200, 6120, 1335, 195), QStringLiteral("Sicherung"), false, serif(8.25));

    for (int i : {1, 0}) {
        auto* k = knopf(f, tw(i == 1 ? 7920 : 7200, 6360, 615, 480), QString(), normal);
        grafisch(k, palette().color(QPalette::Button));
        bildKnopf(k, kopierPfeilGroesse, [i, r] { return kopierPfeil(i == 0, r); });
        k->setEnabled(false);
        cmdUebernehmen[static_cast<std::size_t>(i)] = k;
    }

    Picture2 = new QWidget(f);
    Picture2->setGeometry(tw(7200, 8040, 1335, 1455));

    Frame2 = rahmen(f, tw(7200, 0, 1335, 6015));
    Frame2->setEnabled(false);

    verborgenesKaestchen(0, tw(0, 5280, 495, 255), QStringLiteral("0 leer"));
    verborgenesKaestchen(7, tw(0, 6240, 375, 255), QStringLiteral("7"));
    verborgenesKaestchen(8, tw(0, 6480, 495, 255), QStringLiteral("8"));
    verborgenesKaestchen(9, tw(0, 6720, 375, 255), QStringLiteral("9"));

    txtHilfe = textfeld(f, tw(480, 9840, 14775, 420), QStringLiteral("Hilfe"), serif(12, true));
    einfaerben(txtHilfe, QPalette::Base, qtFarbe(randVorgabe));
    einfaerben(txtHilfe, QPalette::Text, Qt::white);

    Frame1 = rahmen(f, tw(8640, 6960, 6615, 2535));
    Frame1->setEnabled(false);
    fraCockpit = rahmen(f, tw(480, 6960, 6615, 2655));
    fraCockpit->setEnabled(false);
    fraCockpit->setFont(serif(9.75));

    picNachbau = new QtZeichenflaeche(f);
    picNachbau->ortSetzen(tw(8640, 240, 6600, 6600));
    picNachbau->hintergrundSetzen(randNachbau);
    picNachbau->setFont(normal);
    picNachbau->setEnabled(false);
    picVorgabe = new QtZeichenflaeche(f);
    picVorgabe->ortSetzen(tw(480, 240, 6600, 6600));
    picVorgabe->hintergrundSetzen(randVorgabe);
    picVorgabe->setFont(normal);
    picVorgabe->setEnabled(false);

    stapeln({cmdStart, chkErlaubnis[4], Check1, cmdUebernehmen[1], cmdUebernehmen[0], Picture2, Frame2,
             chkErlaubnis[0], chkErlaubnis[7], chkErlaubnis[8], chkErlaubnis[9], txtHilfe, Frame1, fraCockpit,
             picNachbau, picVorgabe});
}

void Form1::legendeAufbauen()
{
    QWidget* f = Frame2;
    const QFont normal = standardSchrift();
    const qreal r = devicePixelRatioF();
    // The legend's pictures, painted on the picture thread (bench case `start/ohne-nebenbei`); the black
    // hole, which the build painted (`start/ohne-vorab`), is read from the resources at the first paint.
    for (const Legendeneintrag& e : legende()) {
        chkErlaubnis[static_cast<std::size_t>(e.erlaubnis)] =
            kontrollkaestchen(f, tw(960, e.oben, 255, 255), QString(), true, normal);
        // The first picture stands on the frame's grey, the others on white.
        auto* b = festesBild(f, tw(240, e.oben, e.kante, e.kante),
                             e.bild == 0 ? palette().color(QPalette::Button) : QColor(Qt::white));
        b->bildSetzen(e.bild == legendeSchwarzesLoch
                          ? Bildmaler([r] { return legendenBild(legendeSchwarzesLoch, r); })
                          : nebenbei(nebenbei_, [bild = e.bild, r] { return legendenBildAlsImage(bild, r); }));
        b->rahmenSetzen(true);
        Picture1[static_cast<std::size_t>(e.bild)] = b;
    }

    auto c = [&](int i) { return static_cast<QWidget*>(chkErlaubnis[static_cast<std::size_t>(i)]); };
    auto p = [&](int i) { return static_cast<QWidget*>(Picture1[static_cast<std::size_t>(i)]); };
    stapeln({c(6), c(11), p(7), c(10), p(0), c(1), c(2), p(1), c(3), p(2), p(3), c(5), p(4), p(5)});
}

void Form1::randschalterAufbauen()
{
    QWidget* f = Picture2;
    const QRect orte[4] = {tw(0, 240, 255, 855), tw(1080, 240, 255, 855), tw(240, 0, 855, 255), tw(240, 1080, 855, 300)};
    for (int i : {3, 2, 1, 0}) {
        auto* b = festesBild(f, orte[i], qtFarbe(i == 3 ? randschalterAnfang : randschalterGesperrt));
        b->rahmenSetzen(true);
        // Checked is open; only the bottom border starts open, and stays so.
        b->bedienungSetzen(FestesBild::Bedienung::Schalter);
        b->anSetzen(i == 3);
        picRandfreigabe[static_cast<std::size_t>(i)] = b;
    }
    Image2 = festesBild(f, tw(240, 240, 855, 840), Qt::black);
    Image2->bildSetzen([r = devicePixelRatioF()] { return randHintergrundBild(r); }, true);
    stapeln({picRandfreigabe[3], picRandfreigabe[2], picRandfreigabe[1], picRandfreigabe[0], Image2});
}

void Form1::laufPanelAufbauen()
{
    QWidget* f = Frame1;
    const QFont s975 = serif(9.75);
    const QFont s1125 = serif(11.25);

    cmdSchritteMiinus = knopf(f, tw(4560, 720, 255, 195), QStringLiteral("-"), s975);
    grafisch(cmdSchritteMiinus, Qt::white);
    cmdSchrittePlus = knopf(f, tw(4560, 480, 255, 195), QStringLiteral("+"), s975);
    grafisch(cmdSchrittePlus, Qt::white);
    hscV = rollbalken(f, Qt::Horizontal, tw(3600, 2040, 1695, 255), 1, 10, 10);
    txtV = textfeld(f, tw(5400, 1920, 495, 375), QStringLiteral("10"), s975);
    cmdZaehler = knopf(f, tw(5640, 480, 255, 495), QStringLiteral("x"), s1125);
    cmdSpurClear = knopf(f, tw(3480, 1320, 2415, 375), QStringLiteral("Spur löschen"), s1125);
    chkSpur = kontrollkaestchen(f, tw(2040, 1320, 1575, 255), QStringLiteral("Spur ziehen"), false, s1125);
    cmdZehn = knopf(f, tw(3360, 480, 1215, 495), QStringLiteral("12 Schritte"), s1125);
    cmdZehn->setProperty("tag", QStringLiteral("12"));
    txtZaehler = textfeld(f, tw(5040, 480, 615, 465), QStringLiteral("0"), serif(14.25));
    cmdSchritt = knopf(f, tw(1920, 480, 1455, 495), QStringLiteral("Einzelschritt"), s1125);
    txtOrty = textfeld(f, tw(1200, 1920, 495, 225), QString(), s975);
    einfaerben(txtOrty, QPalette::Base, palette().color(QPalette::Button));
    txtOrtx = textfeld(f, tw(120, 1920, 495, 225), QString(), s975);
    einfaerben(txtOrtx, QPalette::Base, palette().color(QPalette::Button));
    pickompass = new QtZeichenflaeche(f);
    pickompass->ortSetzen(tw(120, 240, 1575, 1695));
    pickompass->setFont(serif(9));
    pickompass->hintergrundSetzen(alsFarbe(palette().color(QPalette::Button)));
    Label3 = new QLabel(QStringLiteral("Geschwindigkeit"), f);
    Label3->setGeometry(tw(2040, 2040, 1575, 255));
    Label3->setFont(s1125);

    stapeln({cmdSchritteMiinus, cmdSchrittePlus, hscV, txtV, cmdZaehler, cmdSpurClear, chkSpur, cmdZehn, txtZaehler,
             cmdSchritt, txtOrty, txtOrtx, pickompass, Label3});
}

void Form1::einstellPanelAufbauen()
{
    QWidget* f = fraCockpit;
    const QFont s975 = serif(9.75);
    const QFont s1125 = serif(11.25);

    cmdWiederherstellen = knopf(f, tw(4920, 2160, 1575, 375), QStringLiteral("wiederherstellen"), s975);
    Picture4 = festesBild(f, tw(1920, 1440, 735, 735), palette().color(QPalette::Window));
    const qreal r = devicePixelRatioF();
    Picture4->bildSetzen([r] { return lautsprecherBild(r); });
    Picture3 = festesBild(f, tw(4800, 840, 735, 735), palette().color(QPalette::Window));
    // Its lettering's font is loaded on the second core and let go with the
    // thread: the window paints no other text in it.
    Picture3->bildSetzen(nebenbei(nebenbei_, [r] { return stopBildMalen(r); }));
    Picture3->bedienungSetzen(FestesBild::Bedienung::Knopf);
    for (int i : {1, 0}) {
        auto* o = new QRadioButton(i == 0 ? QStringLiteral("maximal") : QStringLiteral("genau"), f);
        o->setGeometry(tw(240, i == 0 ? 240 : 600, 975, 255));
        o->setFont(s975);
        optMaxGenau[static_cast<std::size_t>(i)] = o;
    }
    optMaxGenau[0]->setChecked(true);
    Command5 = knopf(f, tw(3720, 240, 2775, 555), QString(), s975);
    grafisch(Command5, Qt::black);
    bildKnopf(Command5, startSondeGroesse, [r] { return startSondeBild(r); });
    cmdTarnkiste = knopf(f, tw(3720, 1680, 2775, 435), QString(), s975);
    grafisch(cmdTarnkiste, Qt::black);
    // The lettering is scaled into the button, which is lower than the picture.
    // Its outline comes from a font no text has been painted in yet (see
    // tarnkisteErstellenSchrift), taken on the picture thread (bench case `start/ohne-nebenbei`).
    const auto schrift = nebenbei_.dazu(tarnkisteErstellenSchrift);
    cmdTarnkiste->setIcon(spaetesSymbol(tarnkisteErstellenGroesse, [r, schrift] {
        return tarnkisteErstellenBild(r, schrift.get());
    }));
    cmdTarnkiste->setIconSize(QSize(cmdTarnkiste->width() - 8, cmdTarnkiste->height() - 6));
    Command2 = knopf(f, tw(840, 1560, 255, 195), QStringLiteral("X"), serif(8.25));
    chkSchrittezaehlen = kontrollkaestchen(f, tw(960, 1800, 975, 255), QStringLiteral("Zähler"), true, s1125);
    txtZaehlerVorgabe = textfeld(f, tw(240, 1560, 615, 495), QStringLiteral("0"), serif(18));
    chkTon = kontrollkaestchen(f, tw(2880, 1800, 735, 315), QStringLiteral("Ton"), true, s1125);
    hscMaxZahl = rollbalken(f, Qt::Horizontal, tw(1560, 600, 735, 255), 1, 20, 7);
    // The box follows the slider when a value is set, not while the thumb is dragged.
    hscMaxZahl->setTracking(false);
    hscV->setTracking(false);
    txtAnzahl = textfeld(f, tw(1560, 240, 735, 405), QStringLiteral("12"), serif(14.25));
    Label4 = new QLabel(QStringLiteral("Objekte"), f);
    Label4->setGeometry(tw(2640, 360, 1215, 375));
    Label4->setFont(serif(14.25));

    stapeln({cmdWiederherstellen, Picture4, Picture3, optMaxGenau[1], optMaxGenau[0], Command5, cmdTarnkiste,
             Command2, chkSchrittezaehlen, txtZaehlerVorgabe, chkTon, hscMaxZahl, txtAnzahl, Label4});
}

void Form1::felderAufbauen()
{
    const QFont s975 = serif(9.75);
    const QFont s825 = serif(8.25);

    // The model field's own controls.
    cmdDelN = knopf(picNachbau, tw(0, 6360, 255, 255), QStringLiteral("x"), s825);
    grafisch(cmdDelN, qtFarbe(loeschKnopfRot));
    txtNachbauFeldtyp = textfeld(picNachbau, tw(5880, 0, 615, 285), QString(), s975);
    txtKoordinateNachbau = textfeld(picNachbau, tw(0, 0, 615, 285), QString(), s975);
    txtKoordinateNachbau->hide();
    shpBallNachbau = new Marker(picNachbau);
    shpBallNachbau->setGeometry(tw(240, 5280, 255, 375));

    // The hidden field's: the blind sits in a clipping window so that only its
    // upper part, down to the current height, shows.
    cmdDelVor = knopf(picVorgabe, tw(6360, 6360, 255, 255), QStringLiteral("x"), s825);
    grafisch(cmdDelVor, qtFarbe(loeschKnopfRot));
    picStart = festesBild(picVorgabe, tw(840, 720, 5175, 5055), qtFarbe(rolloTuerkis));
    const qreal r = devicePixelRatioF();
    // The first paint's largest picture (bench case `render/startbild`), kept
    // while the start screen shows: the toolkit paints the window again once it
    // is mapped, and a picture painted anew there would load its two fonts on
    // this thread for the program's life. The start click lets it go.
    picStart->bildSetzen(nebenbei(nebenbei_, [r] { return startBildMalen(r); }), true);
    txtKoordinateVorgabe = textfeld(picVorgabe, tw(0, 0, 615, 285), QString(), s975);
    txtKoordinateVorgabe->hide();
    cmdJalousieRauf = knopf(picVorgabe, tw(0, 240, 255, 375), QString(), s975);
    grafisch(cmdJalousieRauf, Qt::white);
    bildKnopf(cmdJalousieRauf, pfeilGroesse, [r] { return pfeilBild(nord, r); });
    cmdJalousieRunter = knopf(picVorgabe, tw(0, 5880, 255, 735), QString(), s975);
    grafisch(cmdJalousieRunter, Qt::white);
    bildKnopf(cmdJalousieRunter, pfeilGroesse, [r] { return pfeilBild(sued, r); });
    vscRollo = rollbalken(picVorgabe, Qt::Vertical, tw(0, 600, 135, 5295), 1, rolloWeg, rolloWeg);
    cmdRolloClear = knopf(picVorgabe, tw(6000, 360, 495, 375), QStringLiteral("x"), standardSchrift());
    grafisch(cmdRolloClear, QColor(255, 192, 192));
    rolloFenster = new QWidget(picVorgabe);
    rolloFenster->setGeometry(tw(840, 720, 5295, 4575));
    picRollo = new QtZeichenflaeche(rolloFenster);
    // Only placed here: the set-up gives the blind its size on the board, and
    // a picture of this size would be made, filled and copied for nothing.
    picRollo->setGeometry(QRect(0, 0, rolloFenster->width(), rolloFenster->height()));
    picRollo->hintergrundSetzen(rolloWeiss);
    txtVorgabeFeldtyp = textfeld(picVorgabe, tw(5880, 0, 615, 285), QString(), s975);
    shpBallVorgabe = new Marker(picVorgabe);
    shpBallVorgabe->setGeometry(tw(600, 4800, 255, 375));

    stapeln({cmdDelN, txtNachbauFeldtyp, txtKoordinateNachbau, shpBallNachbau});
    stapeln({cmdDelVor, picStart, txtKoordinateVorgabe, cmdJalousieRauf, cmdJalousieRunter, vscRollo, cmdRolloClear,
             rolloFenster, txtVorgabeFeldtyp, shpBallVorgabe});

    // The boards take the focus from the keyboard only, so that a click stays
    // what it was; their cursor frames lie over everything on them.
    for (QtZeichenflaeche* feld : {picVorgabe, picNachbau})
        feld->setFocusPolicy(Qt::TabFocus);
    bretter_[0] = std::make_unique<Spielbrett>(
        Seite::Vorgabe, picVorgabe, shpBallVorgabe, txtKoordinateVorgabe, txtVorgabeFeldtyp,
        [this](Feldcursor c) { return cursorText(spiel_, Seite::Vorgabe, c, rolloUnterkante()); });
    bretter_[1] = std::make_unique<Spielbrett>(Seite::Nachbau, picNachbau, shpBallNachbau, txtKoordinateNachbau,
                                               txtNachbauFeldtyp,
                                               [this](Feldcursor c) { return cursorText(spiel_, Seite::Nachbau, c); });
    for (auto& brett : bretter_)
        brett->anmelden(meldungen_);
    randMarken = new Randmarkenbild(picVorgabe);
    randMarken->setAccessibleName(QStringLiteral("Marken am Rand"));
    randMarken->anmelden(meldungen_, spiel_);
}

void Form1::menueAufbauen()
{
    cmdDatei = menuBar()->addMenu(QStringLiteral("Datei"));
    cmdSpeichern = cmdDatei->addAction(QStringLiteral("speichern (das rechte Feld)"));
    cmdoeffnen = cmdDatei->addAction(QStringLiteral("öffnen (im linken Feld)"));
    cmdDatei->addSeparator();
    cmdTextKopieren = cmdDatei->addAction(QStringLiteral("Tarnkiste als Text kopieren"));
    cmdTextEinfuegen = cmdDatei->addAction(QStringLiteral("Tarnkiste aus Text einfügen"));
    cmdDatei->addSeparator();
    cmdProgrammEnde = cmdDatei->addAction(QStringLiteral("schließen"));
    cmdInfo = menuBar()->addAction(QStringLiteral("?"));
    cmdPruefen = menuBar()->addAction(QStringLiteral("Prüfen"));
    cmdBeobachtungen = menuBar()->addAction(QStringLiteral("Beobachtungen"));
    // Undo and redo of the model's edits; each entry names what it would undo
    // or redo and is greyed while there is nothing (wired in verbinden).
    cmdBearbeiten = menuBar()->addMenu(QStringLiteral("Bearbeiten"));
    cmdRueckgaengig = cmdBearbeiten->addAction(QStringLiteral("Rückgängig"));
    cmdRueckgaengig->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    cmdRueckgaengig->setEnabled(false);
    cmdWiederholen = cmdBearbeiten->addAction(QStringLiteral("Wiederholen"));
    cmdWiederholen->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    cmdWiederholen->setEnabled(false);
    // F1 opens the rules from anywhere in the window.
    cmdSpielregeln = menuBar()->addAction(QStringLiteral("Spielregeln"));
    cmdSpielregeln->setShortcut(QKeySequence(Qt::Key_F1));
    cmdSpielregeln->setShortcutContext(Qt::WindowShortcut);
}

void Form1::tabReihenfolgeSetzen()
{
    // Reading order: the hidden field's side with its board last, the legend,
    // the model field's side with its board last, then the setup panel and
    // the run panel row by row. The border switches follow the hidden board,
    // top, left, right, bottom, as one reads them; the STOP sign follows the
    // launch. The hidden board does not follow the start button, which hands
    // the focus on to the next in this order as it hides.
    QWidget* const reihe[] = {
        cmdStart,
        cmdJalousieRauf, vscRollo, cmdJalousieRunter, cmdRolloClear, txtVorgabeFeldtyp, cmdDelVor, picVorgabe,
        picRandfreigabe[2], picRandfreigabe[0], picRandfreigabe[1], picRandfreigabe[3],
        chkErlaubnis[1], chkErlaubnis[2], chkErlaubnis[3], chkErlaubnis[5], chkErlaubnis[6], chkErlaubnis[10],
        chkErlaubnis[11], Check1, cmdUebernehmen[0], cmdUebernehmen[1],
        txtNachbauFeldtyp, cmdDelN, picNachbau,
        optMaxGenau[0], txtAnzahl, Command5, Picture3, optMaxGenau[1], hscMaxZahl, txtZaehlerVorgabe, Command2, cmdTarnkiste,
        chkSchrittezaehlen, chkTon, cmdWiederherstellen,
        cmdSchritt, cmdZehn, cmdSchrittePlus, cmdSchritteMiinus, txtZaehler, cmdZaehler, chkSpur, cmdSpurClear,
        txtOrtx, txtOrty, hscV, txtV,
        txtHilfe,
    };
    for (std::size_t i = 1; i < std::size(reihe); ++i)
        setTabOrder(reihe[i - 1], reihe[i]);
    // F6 goes round the controls and the two boards (form1_tasten.cpp).
    cmdFokusWechsel = new QShortcut(QKeySequence(Qt::Key_F6), this);
    cmdFokusWechsel->setContext(Qt::WindowShortcut);
    // Escape stops what runs (form1_lauf.cpp); idle, it is the other controls' key.
    cmdAnhalten = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    cmdAnhalten->setContext(Qt::WindowShortcut);
    cmdAnhalten->setEnabled(false);
}
