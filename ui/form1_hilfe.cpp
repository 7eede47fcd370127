// The help line: texts by control, and the event filter that shows them as
// the pointer moves, handing a disabled control's moves to its container.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include "ui/beobachtungsfenster.h"
#include "ui/fensterflaeche.h"
#include "ui/festesbild.h"
#include "ui/form1.h"
#include "ui/legende.h"
#include "ui/spielregeln.h"
#include "ui/qtzeichenflaeche.h"

void Form1::hilfeEinrichten()
{
    auto fest = [this](const QWidget* w, const QString& text) { hilfe_[w] = [text] { return text; }; };

    fest(Check1, QStringLiteral("Möglichkeit zum Kopieren der Felder freischalten (Schutz vor versehentlicher Betätigung)"));
    for (QCheckBox* c : chkErlaubnis)
        fest(c, QStringLiteral("Auswahl der erlaubten Objekte für das Zufallslabyrinth"));
    fest(chkSpur, QStringLiteral("aktiviert: die Sonde zieht eine Spur auf ihrem Weg"));
    fest(chkTon, QStringLiteral("Ton an/aus"));
    fest(cmdTarnkiste, QStringLiteral("Tarnkiste mit den gewählten Parametern erstellen (Zähler und Ton kann jederzeit "
                                      "auch später geändert werden)"));
    fest(cmdDelN, QStringLiteral("Feld löschen"));
    fest(cmdDelVor, QStringLiteral("Vorgabefeld löschen"));
    fest(cmdJalousieRauf, QStringLiteral("Rollo hoch"));
    fest(cmdJalousieRunter, QStringLiteral("Rollo runter"));
    fest(cmdRolloClear, QStringLiteral("Rollobeschriftung löschen"));
    fest(cmdSchritt, QStringLiteral("Einzelschritt"));
    fest(cmdSchritteMiinus, QStringLiteral("Anzahl der Schritte einstellen"));
    fest(cmdSchrittePlus, QStringLiteral("Anzahl der Schritte einstellen"));
    fest(cmdSpurClear, QStringLiteral("löschen der von der Sonde gezogenen Spur"));
    fest(cmdStart, QStringLiteral("Zum Start klicken"));
    fest(cmdUebernehmen[0], QStringLiteral("von links nach rechts kopieren"));
    fest(cmdUebernehmen[1], QStringLiteral("von rechts nach links kopieren"));
    fest(cmdWiederherstellen, QStringLiteral("Zugeschlagene Falltüren wieder öffnen"));
    fest(cmdZaehler, QStringLiteral("Schritzähler auf 0 setzen"));
    hilfe_[cmdZehn] = [this] { return cmdZehn->text() + QStringLiteral(" hintereinander ausführen"); };
    fest(Command2, QStringLiteral("Schrittzähler auf Null setzen"));
    fest(Command5, QStringLiteral("Sonde starten, sie läuft, bis sie wieder einen Rand erreicht oder ins Loch fällt"));
    fest(Frame1, QString());
    fest(fraCockpit, QString());
    fest(Frame2, QStringLiteral("Erlaubte Objekte"));
    hilfe_[Label4] = [this] {
        return QStringLiteral("Eine zufällige Anzahl von Objekten bis maximal ") + txtAnzahl->text() +
               QStringLiteral(" wird gesetzt");
    };
    fest(pickompass, QStringLiteral("momentane Bewegungsrichtung der Sonde"));
    fest(picNachbau, QStringLiteral("Modell der Tarnkiste, Rand anklicken (Startpunkt setzen) oder Feld anklicken "
                                    "(Objekt auswählen)"));
    fest(picVorgabe, QStringLiteral("Tarnkiste, auf den Rand klicken um die Sonde zu platzieren"));
    fest(picRandfreigabe[0], QStringLiteral("linken Rand als Startort freigeben (grün) oder sperren (weiß)"));
    fest(picRandfreigabe[1], QStringLiteral("rechten Rand als Startort freigeben (grün) oder sperren (weiß)"));
    fest(picRandfreigabe[2], QStringLiteral("oberen Rand als Startort freigeben (grün) oder sperren (weiß)"));
    fest(picRandfreigabe[3], QStringLiteral("der untere Rand ist 'Standard'"));
    fest(picRollo, QStringLiteral("Rollo beschreiben: Maustaste links / Rollo hochziehen: Scrollbar links"));
    for (const Legendeneintrag& e : legende())
        fest(Picture1[static_cast<std::size_t>(e.bild)], QString::fromUtf8(e.hilfe));
    fest(Picture3, QStringLiteral("Stop (wenn die Sonde aus der Tarnkiste nicht mehr herauskommt)"));
    fest(Picture4, QStringLiteral("Heller Ton bei Objektberührung, tiefer Ton bei Absorption im Loch"));
    fest(txtAnzahl, QStringLiteral("Maximalzahl der Objekte in der Tarnkiste festlegen"));
    fest(txtNachbauFeldtyp, QStringLiteral("Nummer des Objektes"));
    fest(txtVorgabeFeldtyp, QStringLiteral("Nummer des Objektes"));
    fest(txtV, QStringLiteral("10: schnelle Bewegung, 1: langsame Bewegung der Sonde"));
    fest(txtZaehler, QStringLiteral("Schritzähler"));
    fest(txtZaehlerVorgabe, QStringLiteral("Schrittzähler"));

    // Menu entries keep theirs as status tip; the line shows it while the pointer is over them.
    cmdTextKopieren->setStatusTip(QStringLiteral("die Tarnkiste, wie du sie bekommen hast, als kurzen Text in die "
                                          "Zwischenablage kopieren, zum Weitergeben im Chat"));
    cmdTextEinfuegen->setStatusTip(QStringLiteral("einen kopierten Text aus der Zwischenablage als neue Tarnkiste einfügen"));

    flaeche->setMouseTracking(true);
    flaeche->installEventFilter(this);
    for (QWidget* w : flaeche->findChildren<QWidget*>()) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

std::optional<QString> Form1::hilfeText(QWidget* steuerelement) const
{
    const auto it = hilfe_.find(steuerelement);
    if (it == hilfe_.end())
        return std::nullopt;
    return it->second();
}

void Form1::zugaenglichkeitSetzen()
{
    auto benennen = [](QWidget* w, const QString& name) {
        if (w && w->accessibleName().isEmpty())
            w->setAccessibleName(name);
    };
    // The three "x" that wipe a field or the blind would be read as the letter: named by what they wipe.
    for (QPushButton* w : {cmdDelN, cmdDelVor, cmdRolloClear})
        benennen(w, *hilfeText(w));
    // So would the counters' "X" and "x", and "+" and "-": named by their help
    // texts and, where two read alike, by what they count or which way they go.
    benennen(Command2, QStringLiteral("Schrittzähler Tarnkiste auf Null setzen"));
    benennen(cmdZaehler, QStringLiteral("Schrittzähler Modell auf 0 setzen"));
    benennen(cmdSchrittePlus, *hilfeText(cmdSchrittePlus) + QStringLiteral(": ein Schritt mehr"));
    benennen(cmdSchritteMiinus, *hilfeText(cmdSchritteMiinus) + QStringLiteral(": ein Schritt weniger"));
    // The border switches are named by what they switch, their help texts.
    for (FestesBild* schalter : picRandfreigabe)
        benennen(schalter, *hilfeText(schalter));
    for (QWidget* w : flaeche->findChildren<QWidget*>()) {
        if (auto* k = qobject_cast<QAbstractButton*>(w); k && !k->text().isEmpty())
            benennen(w, k->text());
    }
    benennen(cmdStart, QStringLiteral("Start"));
    benennen(cmdUebernehmen[0], QStringLiteral("von links nach rechts kopieren"));
    benennen(cmdUebernehmen[1], QStringLiteral("von rechts nach links kopieren"));
    benennen(Command5, QStringLiteral("Sonde starten"));
    benennen(cmdTarnkiste, QStringLiteral("Tarnkiste erstellen"));
    benennen(cmdJalousieRauf, QStringLiteral("Rollo hoch"));
    benennen(cmdJalousieRunter, QStringLiteral("Rollo runter"));
    benennen(Picture3, QStringLiteral("Stop"));
    benennen(Picture4, QStringLiteral("Ton"));
    // The boards are named by their cursors' places (spielbrett.cpp).
    brett(Seite::Vorgabe).benennen();
    brett(Seite::Nachbau).benennen();
    benennen(picRollo, QStringLiteral("Rollo"));
    benennen(picStart, QStringLiteral("Startbild"));
    benennen(pickompass, QStringLiteral("Kompass"));
    benennen(txtHilfe, QStringLiteral("Hilfe"));
    benennen(txtAnzahl, QStringLiteral("Anzahl der Objekte"));
    benennen(txtZaehler, QStringLiteral("Schrittzähler Modell"));
    benennen(txtZaehlerVorgabe, QStringLiteral("Schrittzähler Tarnkiste"));
    benennen(txtV, QStringLiteral("Geschwindigkeit"));
    benennen(hscV, QStringLiteral("Geschwindigkeit"));
    benennen(hscMaxZahl, QStringLiteral("Maximalzahl der Objekte"));
    benennen(vscRollo, QStringLiteral("Rollo"));
    // The boxes hold the program's numbers, not the board's labels: say how they count.
    benennen(txtOrtx, QStringLiteral("Ort der Sonde x: Spalte von links, 0 ist a, -1 und 8 sind der Rand"));
    benennen(txtOrty, QStringLiteral("Ort der Sonde y: Zeile von oben, 0 ist 8, -1 und 8 sind der Rand"));
    benennen(txtKoordinateVorgabe, QStringLiteral("Zeigerort auf der Tarnkiste: x /y, von links und von oben"));
    benennen(txtKoordinateNachbau, QStringLiteral("Zeigerort auf dem Nachbau: x /y, von links und von oben"));
    benennen(txtVorgabeFeldtyp, QStringLiteral("Nummer des Objektes links"));
    benennen(txtNachbauFeldtyp, QStringLiteral("Nummer des Objektes rechts"));
    for (const Legendeneintrag& e : legende()) {
        benennen(Picture1[static_cast<std::size_t>(e.bild)], QString::fromUtf8(e.name));
        benennen(chkErlaubnis[static_cast<std::size_t>(e.erlaubnis)], QString::fromUtf8(e.name) + QStringLiteral(" erlauben"));
    }
    for (std::size_t i = 0; i < chkErlaubnis.size(); ++i)
        benennen(chkErlaubnis[i], QStringLiteral("Objekt %1 erlauben").arg(i));
    for (const auto& [w, text] : hilfe_)
        const_cast<QWidget*>(w)->setAccessibleDescription(text());
}

bool Form1::eventFilter(QObject* objekt, QEvent* ereignis)
{
    // A window of its own closed: the focus goes back to where it was.
    if (ereignis->type() == QEvent::Hide && (objekt == spielregeln_ || objekt == beobachtungsfenster_)) {
        if (QWidget* zurueck = fokusVorFenster_) {
            activateWindow();
            zurueck->setFocus(Qt::ActiveWindowFocusReason);
        }
        fokusVorFenster_ = nullptr;
        return false;
    }
    // Which of a click's ways pressed the start button: the focus it leaves depends on it.
    if (objekt == cmdStart && (ereignis->type() == QEvent::KeyPress || ereignis->type() == QEvent::MouseButtonPress))
        startPerTaste_ = ereignis->type() == QEvent::KeyPress;
    if (ereignis->type() != QEvent::MouseMove)
        return false;
    auto* w = qobject_cast<QWidget*>(objekt);
    if (!w)
        return false;
    auto* maus = static_cast<QMouseEvent*>(ereignis);

    // An event a control ignores is passed on to its parent as a copy with
    // the same time and place; only the first, innermost one counts.
    if (maus->timestamp() == static_cast<quint64>(letzteBewegung_) && maus->globalPosition() == letzterOrt_)
        return false;
    letzteBewegung_ = static_cast<qint64>(maus->timestamp());
    letzterOrt_ = maus->globalPosition();

    // As on the original platform, a disabled control's pointer events go to
    // the nearest enabled container, at last the window itself.
    QWidget* ziel = w;
    while (ziel && ziel != flaeche && !ziel->isEnabled())
        ziel = ziel->parentWidget();
    if (!ziel)
        return false;

    if (ziel == flaeche || ziel == picVorgabe || ziel == picNachbau || ziel == picRollo || ziel == rolloFenster)
        ;  // the surface, the fields and the blind report their moves themselves
    else if (const auto text = hilfeText(ziel))
        txtHilfe->setText(*text);
    return false;
}

void Form1::cmdSpielregeln_Click()
{
    if (!spielregeln_) {
        spielregeln_ = new Spielregeln(this);
        spielregeln_->setAccessibleName(Spielregeln::titel());
    }
    nebenfensterOeffnen(spielregeln_);
}

void Form1::bestaetigen(const QString& text)
{
    txtHilfe->setText(text);
    ansagen(text);
}
