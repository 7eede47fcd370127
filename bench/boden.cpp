// The toolkit's floor for the program measurement: the game window's standard controls in their places, fonts and
// captions under the same menu bar, without any of the game's pictures.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>

namespace {

// The layout's twips, 15 to a pixel, as in the game.
QRect tw(int links, int oben, int breite, int hoehe) { return {links / 15, oben / 15, breite / 15, hoehe / 15}; }

// The game's serif, sized in pixels at 96 dpi; 0 points is the user-interface font at 8 points.
QFont schrift(double punkte, bool fett = false)
{
    if (punkte == 0) {
        QFont f = QApplication::font();
        f.setPixelSize(qRound(8.0 * 96.0 / 72.0));
        return f;
    }
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(qRound(punkte * 96.0 / 72.0));
    f.setBold(fett);
    return f;
}

enum class Art { Knopf, Kaestchen, Text, Waagrecht, Senkrecht, Option, Beschriftung };

// A control: where it sits in its container, its caption and font, whether
// it is shown, checked and bold. Buttons that carry a picture in the game get the
// picture's words as caption.
struct Steuerelement {
    Art art;
    QRect ort;
    const char* text;
    double punkte;
    bool sichtbar = true;
    bool an = false;
    bool fett = false;
};

QWidget* anlegen(QWidget* eltern, const Steuerelement& s)
{
    const QString text = QString::fromUtf8(s.text);
    QWidget* w = nullptr;
    switch (s.art) {
    case Art::Knopf: w = new QPushButton(text, eltern); break;
    case Art::Kaestchen: {
        auto* c = new QCheckBox(text, eltern);
        c->setChecked(s.an);
        w = c;
        break;
    }
    case Art::Option: {
        auto* o = new QRadioButton(text, eltern);
        o->setChecked(s.an);
        w = o;
        break;
    }
    case Art::Text: {
        auto* t = new QLineEdit(text, eltern);
        t->setAlignment(Qt::AlignCenter);
        t->setTextMargins(0, 0, 0, 0);
        w = t;
        break;
    }
    case Art::Waagrecht:
    case Art::Senkrecht: {
        auto* r = new QScrollBar(s.art == Art::Waagrecht ? Qt::Horizontal : Qt::Vertical, eltern);
        r->setRange(1, 10);
        r->setValue(s.an ? 10 : 5);
        w = r;
        break;
    }
    case Art::Beschriftung: w = new QLabel(text, eltern); break;
    }
    w->setGeometry(s.ort);
    w->setFont(schrift(s.punkte, s.fett));
    if (!s.sichtbar)
        w->hide();
    return w;
}

QFrame* rahmen(QWidget* eltern, const QRect& ort)
{
    auto* f = new QFrame(eltern);
    f->setGeometry(ort);
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return f;
}

void bestuecken(QWidget* eltern, std::initializer_list<Steuerelement> liste)
{
    for (const Steuerelement& s : liste)
        anlegen(eltern, s);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("Tarnkiste Boden"));
    auto* flaeche = new QWidget(&fenster);
    flaeche->setMinimumSize(16230 / 15, 10635 / 15);
    fenster.setCentralWidget(flaeche);

    // The containers; the game's two field pictures are plain surfaces here.
    QWidget* vorgabe = new QWidget(flaeche);
    vorgabe->setGeometry(tw(480, 240, 6600, 6600));
    QWidget* nachbau = new QWidget(flaeche);
    nachbau->setGeometry(tw(8640, 240, 6600, 6600));
    QFrame* legende = rahmen(flaeche, tw(7200, 0, 1335, 6015));
    QFrame* lauf = rahmen(flaeche, tw(8640, 6960, 6615, 2535));
    QFrame* einstellung = rahmen(flaeche, tw(480, 6960, 6615, 2655));

    // 18 push buttons, 16 check boxes (5 hidden), 11 text boxes (2 hidden),
    // 3 scroll bars, 2 option buttons and 2 labels, as the game window has.
    bestuecken(flaeche, {
        {Art::Kaestchen, tw(0, 5880, 495, 255), "4", 0, false, true},
        {Art::Kaestchen, tw(7200, 6120, 1335, 195), "Sicherung", 8.25},
        {Art::Knopf, tw(7920, 6360, 615, 480), "<", 0},
        {Art::Knopf, tw(7200, 6360, 615, 480), ">", 0},
        {Art::Kaestchen, tw(0, 5280, 495, 255), "0 leer", 0, false, true},
        {Art::Kaestchen, tw(0, 6240, 375, 255), "7", 0, false, true},
        {Art::Kaestchen, tw(0, 6480, 495, 255), "8", 0, false, true},
        {Art::Kaestchen, tw(0, 6720, 375, 255), "9", 0, false, true},
        {Art::Text, tw(480, 9840, 14775, 420), "Hilfe", 12, true, false, true},
    });
    bestuecken(legende, {
        {Art::Kaestchen, tw(960, 240, 255, 255), "", 0, true, true},
        {Art::Kaestchen, tw(960, 960, 255, 255), "", 0, true, true},
        {Art::Kaestchen, tw(960, 1680, 255, 255), "", 0, true, true},
        {Art::Kaestchen, tw(960, 2400, 255, 255), "", 0, true, true},
        {Art::Kaestchen, tw(960, 3120, 255, 255), "", 0, true, true},
        {Art::Kaestchen, tw(960, 3840, 255, 255), "", 0, true, true},
        {Art::Kaestchen, tw(960, 4560, 255, 255), "", 0, true, true},
    });
    bestuecken(lauf, {
        {Art::Knopf, tw(4560, 720, 255, 195), "-", 9.75},
        {Art::Knopf, tw(4560, 480, 255, 195), "+", 9.75},
        {Art::Waagrecht, tw(3600, 2040, 1695, 255), "", 0, true, true},
        {Art::Text, tw(5400, 1920, 495, 375), "10", 9.75},
        {Art::Knopf, tw(5640, 480, 255, 495), "x", 11.25},
        {Art::Knopf, tw(3480, 1320, 2415, 375), "Spur löschen", 11.25},
        {Art::Kaestchen, tw(2040, 1320, 1575, 255), "Spur ziehen", 11.25},
        {Art::Knopf, tw(3360, 480, 1215, 495), "12 Schritte", 11.25},
        {Art::Text, tw(5040, 480, 615, 465), "0", 14.25},
        {Art::Knopf, tw(1920, 480, 1455, 495), "Einzelschritt", 11.25},
        {Art::Text, tw(1200, 1920, 495, 225), "", 9.75},
        {Art::Text, tw(120, 1920, 495, 225), "", 9.75},
        {Art::Beschriftung, tw(2040, 2040, 1575, 255), "Geschwindigkeit", 11.25},
    });
    bestuecken(einstellung, {
        {Art::Knopf, tw(4920, 2160, 1575, 375), "wiederherstellen", 9.75},
        {Art::Option, tw(240, 600, 975, 255), "genau", 9.75},
        {Art::Option, tw(240, 240, 975, 255), "maximal", 9.75, true, true},
        {Art::Knopf, tw(3720, 240, 2775, 555), "Sonde starten", 9.75},
        {Art::Knopf, tw(3720, 1680, 2775, 435), "Tarnkiste erstellen", 9.75},
        {Art::Knopf, tw(840, 1560, 255, 195), "X", 8.25},
        {Art::Kaestchen, tw(960, 1800, 975, 255), "Zähler", 11.25, true, true},
        {Art::Text, tw(240, 1560, 615, 495), "0", 18},
        {Art::Kaestchen, tw(2880, 1800, 735, 315), "Ton", 11.25, true, true},
        {Art::Waagrecht, tw(1560, 600, 735, 255), "", 0},
        {Art::Text, tw(1560, 240, 735, 405), "12", 14.25},
        {Art::Beschriftung, tw(2640, 360, 1215, 375), "Objekte", 14.25},
    });
    bestuecken(nachbau, {
        {Art::Knopf, tw(0, 6360, 255, 255), "x", 8.25},
        {Art::Text, tw(5880, 0, 615, 285), "", 9.75},
        {Art::Text, tw(0, 0, 615, 285), "", 9.75, false},
    });
    bestuecken(vorgabe, {
        {Art::Knopf, tw(6360, 6360, 255, 255), "x", 8.25},
        {Art::Text, tw(0, 0, 615, 285), "", 9.75, false},
        {Art::Knopf, tw(0, 240, 255, 375), "^", 9.75},
        {Art::Knopf, tw(0, 5880, 255, 735), "v", 9.75},
        {Art::Senkrecht, tw(0, 600, 135, 5295), "", 0, true, true},
        {Art::Knopf, tw(6000, 360, 495, 375), "x", 0},
        {Art::Text, tw(5880, 0, 615, 285), "", 9.75},
    });

    // The first push button lies over both lower panels, as the game's start
    // button does, and clears them when clicked; the panels wait disabled.
    auto* start = new QPushButton(QStringLiteral("Start"), flaeche);
    start->setGeometry(tw(480, 6960, 14895, 2655));
    start->setFont(schrift(0));
    QWidget* gesperrt[] = {vorgabe, nachbau, legende, lauf, einstellung};
    for (QWidget* w : gesperrt)
        w->setEnabled(false);
    QObject::connect(start, &QPushButton::clicked, [&] {
        for (QWidget* w : gesperrt)
            w->setEnabled(true);
        start->hide();
        // The focus goes to a push button, as in the game, not to a text box with a blinking cursor.
        einstellung->findChildren<QPushButton*>().constFirst()->setFocus();
    });
    start->setFocus();

    QMenu* datei = fenster.menuBar()->addMenu(QStringLiteral("Datei"));
    datei->addAction(QStringLiteral("speichern (das rechte Feld)"));
    datei->addAction(QStringLiteral("öffnen (im linken Feld)"));
    datei->addAction(QStringLiteral("schließen"));
    fenster.menuBar()->addAction(QStringLiteral("?"));
    fenster.menuBar()->addAction(QStringLiteral("Prüfen"));
    fenster.show();
    return QApplication::exec();
}
