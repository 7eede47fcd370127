// Field handlers: the set-up, the generator and its boxes, field operations,
// the file menu with field files and codes, and editing and placing probes with the mouse.
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>


#include "model/editieren.h"
#include "model/felddatei.h"
#include "model/feldoperationen.h"
#include "model/feldtext.h"
#include "model/ansage.h"
#include "model/ortsname.h"
#include "render/brett.h"
#include "render/geometrie.h"
#include "render/spur.h"
#include "ui/festesbild.h"
#include "ui/form1.h"
#include "ui/marker.h"
#include "ui/qtfarbe.h"
#include "ui/qtzeichenflaeche.h"

namespace {

QPointF alsPunkt(Markerlage lage) { return {lage.links, lage.oben}; }

std::string lokalerPfad(const QString& pfad) { return QFile::encodeName(pfad).toStdString(); }

// The start place a border zone stands for.
std::optional<Rand> randDerZone(Zonenart art)
{
    switch (art) {
    case Zonenart::Links: return Rand::Links;
    case Zonenart::Rechts: return Rand::Rechts;
    case Zonenart::Oben: return Rand::Oben;
    case Zonenart::Unten: return Rand::Unten;
    default: return std::nullopt;
    }
}

// Why a pasted text is no box, in the player's words.
QString textfehlerGrund(Textfehler fehler)
{
    switch (fehler) {
    case Textfehler::Leer: return QStringLiteral("Die Zwischenablage enthält keinen Text.");
    case Textfehler::KeinKistentext: return QStringLiteral("Er enthält Zeichen, die in keinem Code vorkommen.");
    case Textfehler::FalscheVersion: return QStringLiteral("Der Code stammt aus einer anderen Version des Spiels.");
    case Textfehler::FalscheLaenge: return QStringLiteral("Der Code ist unvollständig oder zu lang.");
    case Textfehler::FalschePruefsumme:
        return QStringLiteral("Die Prüfsumme stimmt nicht: Der Code ist verschrieben oder unvollständig.");
    case Textfehler::UngueltigerCode: return QStringLiteral("Er enthält ein unbekanntes Objekt.");
    }
    return QString();
}

} // namespace

void Form1::spielAufbau()
{
    // The blind covers the board inset by 0.1; its clear button turns teal.
    picVorgabe->massstabSetzen(feldRandMin, feldRandMin, feldRandMax, feldRandMax);
    rolloHoeheSetzen(vscRollo->value());
    picRollo->ortSetzen(picVorgabe->nachPixeln(0.1, 0.1, 7.8, 7.8).translated(-rolloFenster->pos()));
    QPalette p = cmdRolloClear->palette();
    p.setColor(QPalette::Button, qtFarbe(rolloKnopfTuerkis));
    p.setColor(QPalette::Window, qtFarbe(rolloKnopfTuerkis));
    cmdRolloClear->setPalette(p);

    spielAufbauZeichnen(*picVorgabe, *picNachbau, *pickompass, *picRollo);

    spiel_.feldVorgabe = Feld{};
    spiel_.feldNachbau = Feld{};
    spiel_.sondeNachbau = Sonde{-1, 7, 0, 0};
    anzeige_->kompassZeigen(spiel_.sondeNachbau.richtung());
    anzeige_->ortZeigen(spiel_.sondeNachbau.x, spiel_.sondeNachbau.y);
    spiel_.sondeVorgabe.x = nichtGesetztX;
    spiel_.sondeVorgabe.y = nichtGesetztY;
    shpBallNachbau->ortSetzen(alsPunkt(markerParkplatzNachbau));
    shpBallVorgabe->ortSetzen(alsPunkt(markerParkplatzVorgabe));
    for (int i = 0; i < 3; ++i)
        picRandfreigabe[static_cast<std::size_t>(i)]->hintergrundSetzen(qtFarbe(randschalterGesperrt));
    picRandfreigabe[3]->hintergrundSetzen(qtFarbe(randschalterFrei));
    picVorgabe->kindPlatzieren(picStart, 0, 0, 8, 8);

    tarnkisteErzeugen();
}

// --- Generator and its settings ---

void Form1::cmdTarnkiste_Click()
{
    tarnkisteErzeugen();
    bestaetigen(QStringLiteral("Neue Tarnkiste erstellt"));
}

void Form1::tarnkisteErzeugen()
{
    GeneratorEinstellung e;
    e.erlaubt = erlaubnis();
    e.genau = optMaxGenau[1]->isChecked();
    e.anzahl = anzahlAusText(txtAnzahl->text().toStdString());
    generieren(spiel_, e, *dienste_.zufall, dienste_.tageszeit(), *anzeige_);
}

void Form1::chkErlaubnis_Click(int)
{
    const Erlaubnis vorher = erlaubnis();
    const Erlaubnis nachher = erlaubnisBinden(vorher);
    // Each change here runs this handler again, which then finds nothing to do.
    for (std::size_t i = 0; i < nachher.size(); ++i)
        if (nachher[i] != vorher[i])
            chkErlaubnis[i]->setCheckState(nachher[i] ? Qt::Checked : Qt::Unchecked);
}

// --- Field operations ---

void Form1::cmdDelN_Click()
{
    nachbauBearbeiten(QStringLiteral("Feld löschen"), [this] { nachbauLoeschen(spiel_, *anzeige_); });
}
void Form1::cmdDelVor_Click() { vorgabeLoeschen(spiel_, *anzeige_); }
void Form1::cmdWiederherstellen_Click() { vorgabeWiederherstellen(spiel_, *anzeige_); }

void Form1::cmdUebernehmen_Click(int index)
{
    if (index == 0) {
        nachbauBearbeiten(QStringLiteral("von links nach rechts kopieren"), [this] { linksNachRechts(spiel_, *anzeige_); });
        bestaetigen(QStringLiteral("Die Tarnkiste ist in den Nachbau kopiert"));
    } else {
        rechtsNachLinks(spiel_, *anzeige_);
        bestaetigen(QStringLiteral("Der Nachbau ist als neue Tarnkiste kopiert"));
    }
}

void Form1::cmdSpurClear_Click() { spurLoeschen(*picNachbau, spiel_.feldNachbau); }

// --- Field files ---

void Form1::cmdSpeichern_Click()
{
    const auto gewaehlt = dienste_.dialoge->dateiSpeichern(this, QDir::currentPath(), cdlDateiName);
    if (!gewaehlt)
        return;
    cdlDateiName = *gewaehlt;
    const std::string pfad = mitEndungTkx(lokalerPfad(*gewaehlt));
    if (!feldSpeichern(spiel_.feldNachbau, pfad)) {
        dienste_.dialoge->meldung(this, titel(),
                                  QStringLiteral("Das Feld wurde nicht gespeichert:\n%1\nlässt sich nicht schreiben.")
                                      .arg(QFile::decodeName(QByteArray::fromStdString(pfad))),
                                  true);
    }
}

void Form1::cmdoeffnen_Click()
{
    cdlDateiName = QStringLiteral("*tkx");
    const auto gewaehlt = dienste_.dialoge->dateiOeffnen(this, QDir::currentPath(), cdlDateiName);
    if (!gewaehlt)
        return;
    cdlDateiName = *gewaehlt;
    const std::string pfad = lokalerPfad(*gewaehlt);
    if (!endetAufTkx(pfad))
        return;
    vorgabeLaden(pfad, spiel_, *anzeige_);
}

// --- Codes on the clipboard ---

void Form1::cmdTextKopieren_Click()
{
    // The box as given, never as launches changed it: what a friend is to solve.
    QGuiApplication::clipboard()->setText(QString::fromStdString(feldAlsKistentext(spiel_.feldVorgabeKopie)));
    bestaetigen(QStringLiteral("Die Tarnkiste ist als Text in der Zwischenablage"));
}

void Form1::cmdTextEinfuegen_Click()
{
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    if (const auto fehler = vorgabeAusKistentext(text, spiel_, *anzeige_)) {
        dienste_.dialoge->meldung(this, titel(),
                                  QStringLiteral("Der Text ist keine Tarnkiste. ") + textfehlerGrund(*fehler), true);
        return;
    }
    bestaetigen(QStringLiteral("Die Tarnkiste aus der Zwischenablage ist eingefügt"));
}

// --- Mouse on the fields ---

void Form1::sondeSetzen(Seite seite, double X, double Y)
{
    const Zone zone = zoneBei(X, Y);
    const auto rand = randDerZone(zone.art);
    if (!rand || !randFrei(spiel_, *rand))
        return;
    const int index = (*rand == Rand::Links || *rand == Rand::Rechts) ? zone.y : zone.x;
    const QPointF ort = alsPunkt(markerLage(zone.x, zone.y));
    brett(seite).markerSetzen(ort);
    if (seite == Seite::Vorgabe) {
        shpBallVorgabe->fuellungSetzen(qtFarbe(markerGelb));
        spiel_.sondeVorgabe = sondeAmRand(*rand, index);
        txtZaehlerVorgabe->setText(QString());
    } else {
        spiel_.sondeNachbau = sondeAmRand(*rand, index);
        anzeige_->kompassZeigen(spiel_.sondeNachbau.richtung());
    }
}

void Form1::picVorgabe_MouseDown(int, double X, double Y)
{
    sondeSetzen(Seite::Vorgabe, X, Y);
    anzeige_->ortZeigen(spiel_.sondeVorgabe.x, spiel_.sondeVorgabe.y);
}

void Form1::picNachbau_MouseDown(int knopf, double X, double Y)
{
    const Zone zone = zoneBei(X, Y);
    if (zone.art == Zonenart::Zelle) {
        const QString name = QStringLiteral("Zelle %1").arg(QString::fromStdString(zellenName(zone.x, zone.y)));
        nachbauBearbeiten(name, [&] {
            int& zelle = spiel_.feldNachbau(zone.x, zone.y);
            zelle = naechsterCode(zelle, knopf, erlaubnis());
            anzeige_->zelleGeaendert(Seite::Nachbau, zelle, zone.x, zone.y);
        });
    } else {
        sondeSetzen(Seite::Nachbau, X, Y);
    }
    anzeige_->ortZeigen(spiel_.sondeNachbau.x, spiel_.sondeNachbau.y);
}

void Form1::zeigerZeigen(Seite seite, double X, double Y)
{
    const bool vorgabe = seite == Seite::Vorgabe;
    brett(seite).zeigerZeigen(X, Y, vorgabe ? spiel_.feldVorgabe : spiel_.feldNachbau);
    // A marked place names its launches instead of the board's help.
    const Zone zone = zoneBei(X, Y);
    const std::string laeufe = vorgabe && zone.art != Zonenart::Keine ? platzLaeufe(spiel_, zone.x, zone.y) : std::string();
    if (!laeufe.empty()) {
        txtHilfe->setText(QString::fromStdString(laeufe));
        return;
    }
    txtHilfe->setText(*hilfeText(vorgabe ? static_cast<QWidget*>(picVorgabe) : picNachbau));
}

void Form1::picVorgabe_MouseMove(double X, double Y) { zeigerZeigen(Seite::Vorgabe, X, Y); }
void Form1::picNachbau_MouseMove(double X, double Y) { zeigerZeigen(Seite::Nachbau, X, Y); }

void Form1::picRandfreigabe_Click(int index)
{
    if (index < 0 || index > 3)
        return;
    const Rand rand = static_cast<Rand>(index);
    // The bottom switch changes nothing; from the keyboard it still says that it stays open.
    if (rand != Rand::Unten) {
        randFreigabeUmschalten(spiel_, rand);
        const bool frei = randFrei(spiel_, rand);
        FestesBild* schalter = picRandfreigabe[static_cast<std::size_t>(index)];
        schalter->hintergrundSetzen(qtFarbe(frei ? randschalterFrei : randschalterGesperrt));
        schalter->anSetzen(frei);
        // A cursor on that border's start place is read as open or locked.
        brett(Seite::Vorgabe).benennen();
        brett(Seite::Nachbau).benennen();
    }
    ansagen(QString::fromStdString(randAnsage(rand, randFrei(spiel_, rand))));
}

void Form1::Form_MouseMove()
{
    txtHilfe->setText(QString());
    txtKoordinateNachbau->setText(QString());
    txtKoordinateVorgabe->setText(QString());
}
