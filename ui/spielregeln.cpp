// The rules window: its German text, the object sections and the rules pictures.
#include "ui/spielregeln.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

#include "render/regelbild.h"
#include "ui/kunstwerk.h"
#include "ui/legende.h"
#include "ui/rasterflaeche.h"

namespace {

// The headings the probe comes in with, in reading order of the pictures,
// with the side a player sees it come from and the letter of its name.
struct Einlauf {
    Richtung richtung;
    const char* seite;
    const char* buchstabe;
};
const Einlauf einlaeufe[] = {
    {nord, "von unten", "N"},
    {ost, "von links", "O"},
    {sued, "von oben", "S"},
    {west, "von rechts", "W"},
};

// One object kind: its section heading, what it does, and its codes with a
// line for each; the legend pictures of those codes head its section.
struct Objektart {
    const char* name;
    const char* text;
    std::vector<std::pair<int, const char*>> codes;
};

const std::vector<Objektart>& objektarten()
{
    static const std::vector<Objektart> arten{
        {"Katzenauge",
         "Das Katzenauge schickt die Sonde immer genau dorthin zurück, woher sie kam: eine Richtungsänderung "
         "um 180°.",
         {{Katzenauge, "Nummer 1"}}},
        {"Umlenkspiegel",
         "Der Umlenkspiegel steht schräg in der Zelle und lenkt die Sonde um 90° ab, und zwar auf beiden "
         "Seiten. Wohin, hängt von seiner Lage ab: steigend wie / (Nummer 2) oder fallend wie \\ (Nummer 3).",
         {{UmlenkspiegelSteigend, "Nummer 2: steigend"}, {UmlenkspiegelFallend, "Nummer 3: fallend"}}},
        {"Drehspiegel",
         "Der Drehspiegel liegt waagerecht (Nummer 4) oder steht senkrecht (Nummer 5). Kommt die Sonde längs "
         "zu ihm, lässt er sie durch und bleibt, wie er ist. Trifft sie ihn quer, wirft er sie zurück und "
         "dreht sich um 90°, sobald sie seine Zelle verlassen hat.",
         {{DrehspiegelWaagerecht, "Nummer 4: waagerecht"}, {DrehspiegelSenkrecht, "Nummer 5: senkrecht"}}},
        {"Halbdurchlässiger Spiegel",
         "Der halbdurchlässige Spiegel steht schräg wie ein Umlenkspiegel, spiegelt aber nur auf einer Seite: "
         "Die gepunktete Seite lässt die Sonde geradeaus und ohne Ton durch, die andere lenkt sie um 90° ab. "
         "Es gibt ihn in vier Lagen (Nummer 6 bis 9).",
         {{HalbspiegelNO, "Nummer 6: spiegelt oben rechts"},
          {HalbspiegelSW, "Nummer 7: spiegelt unten links"},
          {HalbspiegelNW, "Nummer 8: spiegelt oben links"},
          {HalbspiegelSO, "Nummer 9: spiegelt unten rechts"}}},
        {"Schwarzes Loch",
         "Das schwarze Loch hält die Sonde fest. Ein tiefer Ton erklingt, der Lauf ist zu Ende, und die Sonde "
         "kommt nirgends mehr heraus.",
         {{SchwarzesLoch, "Nummer 10"}}},
        {"Falltür",
         "Die Falltür lässt die erste Sonde ungehindert durch. Hinter ihr schlägt sie zu und wird zum "
         "Katzenauge, das jede weitere Sonde zurückschickt.",
         {{Falltuer, "Nummer 11"}}},
    };
    return arten;
}

// The general rules, section by section: a heading and its paragraphs.
struct Abschnitt {
    const char* ueberschrift;
    std::vector<const char*> absaetze;
};

const std::vector<Abschnitt>& abschnitte()
{
    static const std::vector<Abschnitt> liste{
        {"Worum es geht",
         {"Links liegt die Tarnkiste, ein Kasten aus 8 × 8 Zellen unter einem Rollo. Darin stecken unsichtbare "
          "Objekte: Katzenaugen, Spiegel, schwarze Löcher und Falltüren. Du schickst eine Sonde hinein und "
          "erfährst nur, wo sie wieder herauskommt, wie viele Schritte sie braucht und welche Töne sie dabei "
          "macht. Rechts baust du die Tarnkiste nach, bis sich dein Nachbau bei jeder Sonde genauso verhält "
          "wie die verborgene Kiste."}},
        {"Sonden starten",
         {"Ein Klick auf den Rand der Tarnkiste setzt die Sonde, den gelben Punkt, auf einen Startplatz. Zu "
          "Beginn nimmt nur der untere Rand Startplätze an. Die drei anderen Ränder gibst du mit den "
          "Randschaltern unter den blauen Pfeilen zwischen den Feldern frei: Ein Klick färbt einen Schalter "
          "grün (frei) oder wieder weiß (gesperrt); der untere bleibt immer grün.",
          "Der schwarze Knopf mit der gelben Sonde startet sie. Sie läuft Zelle für Zelle geradeaus, bis ein "
          "Objekt sie ablenkt, und kommt irgendwo am Rand wieder heraus: Dort wird ihr Punkt weiß. Ist "
          "„Zähler“ angekreuzt, zählt das Zahlenfeld links daneben die Schritte des Laufs; „X“ setzt es auf 0. "
          "Bei jeder Richtungsänderung an einem Objekt klingt ein heller Ton, solange „Ton“ angekreuzt ist, "
          "beim Verlassen der Kiste immer. Ein tiefer Ton heißt: Die Sonde ist in ein schwarzes Loch gefallen "
          "und bleibt verschwunden. Läuft sie im Kreis und kommt nie mehr heraus, hält das STOP-Schild sie an."}},
        {"Der Nachbau",
         {"Im rechten Feld baust du nach, was du vermutest. Ein Klick auf eine Zelle wechselt ihr Objekt: die "
          "linke Maustaste zum nächsten, die rechte zum vorigen, die mittlere sieben Nummern weiter. Die "
          "Nummer des Objekts unter dem Mauszeiger steht oben rechts am Feld; der rote Knopf „x“ unten links "
          "leert das Feld.",
          "Auch hier setzt ein Klick auf den Rand die Sonde. „Einzelschritt“ bewegt sie um eine Zelle, "
          "„12 Schritte“ um so viele, wie der Knopf anzeigt; „+“ und „-“ ändern die Zahl. Anders als in der "
          "Tarnkiste kehrt die Sonde am Rand um und läuft weiter, nur ein schwarzes Loch hält sie an. Der "
          "Kompass zeigt ihre Richtung, der Zähler die Schritte („x“ setzt ihn auf 0). Mit „Spur ziehen“ "
          "hinterlässt sie eine gelbe Spur, die „Spur löschen“ wieder entfernt. Der Schieber bei "
          "„Geschwindigkeit“ stellt ein, wie schnell die Sonden in beiden Feldern laufen.",
          "Im Menü „Bearbeiten“ nimmst du Änderungen am Nachbau zurück (Strg+Z) und holst sie wieder "
          "(Strg+Umschalt+Z oder Strg+Y): Klicks auf Zellen, das Leeren und das Kopieren aus der Tarnkiste."}},
        {"Rollo und Notizen",
         {"Das Rollo verdeckt die Tarnkiste. Die Bildlaufleiste an ihrem linken Rand und die Pfeilknöpfe "
          "darüber und darunter ziehen es hoch und herunter – wer darunter schaut, kennt die Lösung. Mit "
          "gedrückter Maustaste kritzelst du Notizen auf das Rollo; der Knopf „x“ oben rechts wischt sie weg."}},
        {"Neue Tarnkisten",
         {"„Tarnkiste erstellen“ füllt die Tarnkiste zufällig. Welche Objekte darin vorkommen dürfen, "
          "bestimmen die Kästchen neben den Objektbildern zwischen den Feldern; sie gelten auch beim "
          "Durchklicken im Nachbau. Die Zahl bei „Objekte“ stellst du mit dem Schieber darunter ein: Mit "
          "„maximal“ kommen höchstens so viele Objekte in die Kiste, mit „genau“ genau so viele.",
          "Im Menü „Datei“ speichert „speichern (das rechte Feld)“ deinen Nachbau als Felddatei, und "
          "„öffnen (im linken Feld)“ lädt eine Felddatei als neue Tarnkiste – so lassen sich Rätsel "
          "austauschen. Ohne Datei geht es auch: „Tarnkiste als Text kopieren“ legt die Tarnkiste, wie du sie "
          "bekommen hast, als kurzen Code („TK1-…“) in die Zwischenablage, den du etwa in einer Chatnachricht "
          "weitergibst; der Code verrät die Objekte nicht. Wer ihn kopiert, holt ihn mit „Tarnkiste aus Text "
          "einfügen“ als neue Tarnkiste herein. Ein verschriebener oder abgeschnittener Code wird abgelehnt. Ist „Sicherung“ angekreuzt, kopieren die blauen Pfeile ein Feld ins andere: der Pfeil "
          "nach rechts die Tarnkiste in den Nachbau, der Pfeil nach links den Nachbau in die Tarnkiste."}},
        {"Sonden verändern die Tarnkiste",
         {"Vorsicht: Jede Sonde kann die Tarnkiste verändern. Eine Falltür schlägt hinter ihr zu und ist von "
          "da an ein Katzenauge; ein Drehspiegel, der sie zurückgeworfen hat, dreht sich um 90°. Die nächste "
          "Sonde findet die Kiste also verändert vor. „wiederherstellen“ bringt die Tarnkiste wieder in den "
          "Zustand, in dem du sie bekommen hast."}},
        {"Prüfen und Punkte",
         {"„Prüfen“ in der Menüleiste vergleicht deinen Nachbau an allen 32 Startplätzen mit der Tarnkiste, "
          "wie du sie bekommen hast: Kommt die Sonde an derselben Stelle heraus, nach gleich vielen Schritten "
          "und Richtungswechseln? Die Antwort sagt nur, an wie vielen Startplätzen beide übereinstimmen, "
          "nicht an welchen. Stimmen alle 32, heißt es „Gelöst!“, und dazu kommt deine Punktzahl: die Zahl "
          "der Sonden, die du gestartet hast, seit die Tarnkiste neuen Inhalt bekam. Je weniger, desto besser.",
          "„Beobachtungen“ in der Menüleiste listet jede Sonde, die du in die Tarnkiste geschickt hast: wo sie "
          "startete und endete, ihre Schritte und Richtungswechsel, und ob dein Nachbau von dort dasselbe "
          "ergibt („✓ stimmt“ oder „✗ weicht ab“). Dazu schickt das Spiel eine Kopie deines Nachbaus durch "
          "dieselben Sonden in derselben Reihenfolge: Seine Falltüren schlagen zu und seine Drehspiegel drehen "
          "sich, wie es die Sonden in der Tarnkiste taten. Weicht er ab, steht unter „Dein Nachbau“, was er "
          "stattdessen ergibt. Nur eine Sonde, die mitten in einer anderen gestartet wurde, zeigt „–“, und "
          "mit ihr die folgenden, bis du die Tarnkiste wiederherstellst. Ein Doppelklick auf eine Zeile setzt "
          "die Sonde des Nachbaus auf denselben Startplatz."}},
        {"Die Objekte",
         {"Jedes Objekt füllt eine Zelle. Die Bilder zeigen es in der Mitte eines kleinen Feldes aus 3 × 3 "
          "Zellen, einmal für jede Seite, von der die Sonde kommt: Der gelbe Punkt ist ihr Startplatz, die "
          "gelbe Linie ihr Weg und der weiße Punkt die Stelle, an der sie herauskommt. Die Nummer ist die, "
          "die das Spiel oben rechts am Feld zeigt. Bei Drehspiegel und Falltür zeigt das kleine Bild unter "
          "dem Weg das Objekt, nachdem die Sonde es verlassen hat."}},
    };
    return liste;
}

// Codes whose object a passing probe may change; their examples get the
// picture of the object afterwards.
bool veraenderlich(int code)
{
    return code == DrehspiegelWaagerecht || code == DrehspiegelSenkrecht || code == Falltuer;
}

QLabel* ueberschrift(const QString& text, double groesser)
{
    auto* l = new QLabel(text);
    l->setObjectName(QStringLiteral("ueberschrift"));
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * groesser);
    l->setFont(f);
    l->setContentsMargins(0, 8, 0, 0);
    return l;
}

QLabel* absatz(const QString& text)
{
    auto* l = new QLabel(text);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    return l;
}

QLabel* bildLabel(const QPixmap& bild, const QString& name)
{
    auto* l = new QLabel;
    l->setObjectName(name);
    l->setPixmap(bild);
    l->setFixedSize(bild.deviceIndependentSize().toSize());
    return l;
}

// One example: the picture, the side the probe comes from and, for an
// object that changes, the object afterwards.
QWidget* beispielSpalte(int code, const Einlauf& e, qreal verhaeltnis)
{
    const Regelbeispiel b = regelbeispiel(code, e.richtung);
    const QString kennung = QStringLiteral("%1-%2").arg(code).arg(QLatin1String(e.buchstabe));

    auto* spalte = new QWidget;
    auto* v = new QVBoxLayout(spalte);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    v->addWidget(bildLabel(Spielregeln::regelbild(b, verhaeltnis), QStringLiteral("regelbild-") + kennung));
    auto* seite = new QLabel(QString::fromUtf8(e.seite));
    seite->setAlignment(Qt::AlignHCenter);
    v->addWidget(seite);
    if (veraenderlich(code)) {
        auto* zeile = new QHBoxLayout;
        zeile->addStretch();
        zeile->addWidget(new QLabel(QStringLiteral("danach:")));
        zeile->addWidget(bildLabel(Spielregeln::danachbild(b, verhaeltnis), QStringLiteral("danachbild-") + kennung));
        zeile->addStretch();
        v->addLayout(zeile);
    }
    v->addStretch();
    return spalte;
}

void objektartAnfuegen(QVBoxLayout* spalte, const Objektart& art, qreal verhaeltnis)
{
    spalte->addWidget(ueberschrift(QString::fromUtf8(art.name), 1.15));

    auto* kopf = new QHBoxLayout;
    for (const Legendeneintrag& e : legende()) {
        const bool zeigtArt = std::any_of(art.codes.begin(), art.codes.end(),
                                          [&e](const auto& c) { return c.first == e.code; });
        if (zeigtArt)
            kopf->addWidget(bildLabel(legendenBild(e.bild, verhaeltnis), QStringLiteral("legende-%1").arg(e.bild)), 0,
                            Qt::AlignTop);
    }
    kopf->addSpacing(6);
    kopf->addWidget(absatz(QString::fromUtf8(art.text)), 1);
    spalte->addLayout(kopf);

    for (const auto& [code, zeile] : art.codes) {
        auto* titel = new QLabel(QString::fromUtf8(zeile));
        titel->setContentsMargins(0, 6, 0, 0);
        spalte->addWidget(titel);
        auto* raster = new QGridLayout;
        raster->setHorizontalSpacing(14);
        int i = 0;
        for (const Einlauf& e : einlaeufe)
            raster->addWidget(beispielSpalte(code, e, verhaeltnis), 0, i++, Qt::AlignTop);
        raster->setColumnStretch(i, 1);
        spalte->addLayout(raster);
    }
}

} // namespace

Spielregeln::Spielregeln(QWidget* eltern) : QWidget(eltern, Qt::Window)
{
    setWindowTitle(titel());
    const qreal verhaeltnis = devicePixelRatioF();

    inhalt_ = new QWidget;
    auto* spalte = new QVBoxLayout(inhalt_);
    spalte->setContentsMargins(16, 12, 16, 16);
    auto* kopf = ueberschrift(QStringLiteral("Spielregeln"), 1.6);
    kopf->setObjectName(QStringLiteral("titel"));
    spalte->addWidget(kopf);
    for (const Abschnitt& a : abschnitte()) {
        spalte->addWidget(ueberschrift(QString::fromUtf8(a.ueberschrift), 1.3));
        for (const char* text : a.absaetze)
            spalte->addWidget(absatz(QString::fromUtf8(text)));
    }
    for (const Objektart& art : objektarten())
        objektartAnfuegen(spalte, art, verhaeltnis);
    spalte->addStretch();

    rollbereich_ = new QScrollArea;
    rollbereich_->setWidgetResizable(true);
    rollbereich_->setWidget(inhalt_);
    // It takes the focus when the window opens, so a screen reader names the
    // text the arrow keys scroll through.
    rollbereich_->setAccessibleName(QStringLiteral("Spielregeln"));
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->addWidget(rollbereich_);

    // Wide enough for a row of pictures beside the scroll bar, about one
    // screen page of text high.
    resize(inhalt_->minimumSizeHint().width() + 40, 720);
}

QString Spielregeln::titel() { return QStringLiteral("Tarnkiste – Spielregeln"); }

QPixmap Spielregeln::regelbild(const Regelbeispiel& beispiel, qreal verhaeltnis)
{
    Rasterflaeche flaeche;
    flaeche.masseSetzen(QSize(regelbildSeite, regelbildSeite), verhaeltnis);
    regelbildZeichnen(flaeche, beispiel);
    return QPixmap::fromImage(flaeche.bild());
}

QPixmap Spielregeln::danachbild(const Regelbeispiel& beispiel, qreal verhaeltnis)
{
    Rasterflaeche flaeche;
    flaeche.masseSetzen(QSize(danachbildSeite, danachbildSeite), verhaeltnis);
    danachbildZeichnen(flaeche, beispiel);
    return QPixmap::fromImage(flaeche.bild());
}
