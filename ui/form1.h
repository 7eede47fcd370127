// The game's one window: every control, the game state and all event handlers.
//
// Handlers run inside handlers. A hidden launch, the N steps and the blind's
// animation let pending window events run between their steps
// (SondenAnzeige::ereignisseAbarbeiten), so any enabled control's handler may
// run in the middle of them, and nothing is locked. Every handler therefore
// reads the game state afresh after each pump instead of keeping references
// across one, leaves the state whole at every pump (a field, a probe and the
// record each consistent on their own), and never assumes that the run it
// interrupted has ended or will go on: the launch loop, for one, reads its
// flags anew after every step, and a box given anew during a launch drops
// that launch's row.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <map>
#include <memory>

#include "model/beobachtungen.h"
#include "model/feld.h"
#include "model/feldcursor.h"
#include "model/generator.h"
#include "ui/dienste.h"
#include "ui/fensteranzeige.h"
#include "ui/nebenbei.h"
#include "ui/spielbrett.h"
#include "ui/spielmeldungen.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QFont;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QShortcut;
class FestesBild;
class Marker;
class Randmarkenbild;
class QtZeichenflaeche;
class Fensterflaeche;
class QUndoStack;
class Ansager;
class Beobachtungsfenster;
class Spielregeln;

// The handlers keep the names of the controls and events they answer
// (control_Event). The source is spread by topic, one file per group below:
//   form1.cpp               construction, the controls' signal connections (verbinden), close and show
//   form1_layout.cpp        every control at its place, the menu bar, the tab order
//   form1_hilfe.cpp         the help line, accessible names, the rules window
//   form1_felder.cpp        fields, set-up, generator, field files, mouse editing and probes
//   form1_lauf.cpp          runs, counters, speed, the check
//   form1_beobachtungen.cpp the record of launches, its window made and wired on first use
//   form1_bearbeiten.cpp    undo and redo of the model's edits
//   form1_tasten.cpp        the boards' keyboard cursors, their keys, F6 and what a screen reader hears
//   form1_rollo.cpp         the blind
//   form1_start.cpp         start screen, setup panel, info box, the end
//   fensteranzeige.cpp      what a probe step asks of the window
// Each board is a room of its own (spielbrett.h): its picture, marker, cursor,
// frame, boxes and name. What changed in the game reaches the boards and the
// record window as notices (spielmeldungen.h).
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(Dienste dienste = echteDienste(), QWidget* parent = nullptr);
    ~Form1() override;

    // Read access for tests and for the probe steps' display.
    const Spielstand& spiel() const { return spiel_; }
    Spielstand& spiel() { return spiel_; }

    // --- Controls, named as the player's help texts and handlers know them ---
    QPushButton* cmdStart = nullptr;
    std::array<QCheckBox*, anzahlCodes> chkErlaubnis{};
    QCheckBox* Check1 = nullptr;
    std::array<QPushButton*, 2> cmdUebernehmen{};
    QWidget* Picture2 = nullptr;
    QFrame* Frame2 = nullptr;
    QLineEdit* txtHilfe = nullptr;
    QFrame* Frame1 = nullptr;
    QFrame* fraCockpit = nullptr;
    QtZeichenflaeche* picNachbau = nullptr;
    QtZeichenflaeche* picVorgabe = nullptr;

    std::array<FestesBild*, 8> Picture1{};  // members 0..5 and 7; 6 stays empty
    std::array<FestesBild*, 4> picRandfreigabe{};
    FestesBild* Image2 = nullptr;

    QPushButton* cmdSchritteMiinus = nullptr;
    QPushButton* cmdSchrittePlus = nullptr;
    QScrollBar* hscV = nullptr;
    QLineEdit* txtV = nullptr;
    QPushButton* cmdZaehler = nullptr;
    QPushButton* cmdSpurClear = nullptr;
    QCheckBox* chkSpur = nullptr;
    QPushButton* cmdZehn = nullptr;
    QLineEdit* txtZaehler = nullptr;
    QPushButton* cmdSchritt = nullptr;
    QLineEdit* txtOrty = nullptr;
    QLineEdit* txtOrtx = nullptr;
    QtZeichenflaeche* pickompass = nullptr;
    QLabel* Label3 = nullptr;

    QPushButton* cmdWiederherstellen = nullptr;
    FestesBild* Picture4 = nullptr;
    FestesBild* Picture3 = nullptr;
    std::array<QRadioButton*, 2> optMaxGenau{};
    QPushButton* Command5 = nullptr;
    QPushButton* cmdTarnkiste = nullptr;
    QPushButton* Command2 = nullptr;
    QCheckBox* chkSchrittezaehlen = nullptr;
    QLineEdit* txtZaehlerVorgabe = nullptr;
    QCheckBox* chkTon = nullptr;
    QScrollBar* hscMaxZahl = nullptr;
    QLineEdit* txtAnzahl = nullptr;
    QLabel* Label4 = nullptr;

    QPushButton* cmdDelN = nullptr;
    QLineEdit* txtNachbauFeldtyp = nullptr;
    QLineEdit* txtKoordinateNachbau = nullptr;
    Marker* shpBallNachbau = nullptr;

    QPushButton* cmdDelVor = nullptr;
    FestesBild* picStart = nullptr;
    QLineEdit* txtKoordinateVorgabe = nullptr;
    QPushButton* cmdJalousieRauf = nullptr;
    QPushButton* cmdJalousieRunter = nullptr;
    QScrollBar* vscRollo = nullptr;
    QPushButton* cmdRolloClear = nullptr;
    QWidget* rolloFenster = nullptr;  // clips the blind to its current height
    QtZeichenflaeche* picRollo = nullptr;
    QLineEdit* txtVorgabeFeldtyp = nullptr;
    Marker* shpBallVorgabe = nullptr;
    // The record's launches as numbers on the hidden board's ring.
    Randmarkenbild* randMarken = nullptr;

    QMenu* cmdDatei = nullptr;
    QAction* cmdSpeichern = nullptr;
    QAction* cmdoeffnen = nullptr;
    QAction* cmdTextKopieren = nullptr;
    QAction* cmdTextEinfuegen = nullptr;
    QAction* cmdProgrammEnde = nullptr;
    QAction* cmdInfo = nullptr;
    QAction* cmdPruefen = nullptr;
    QAction* cmdBeobachtungen = nullptr;
    // Undo and redo of the player's edits of the model field.
    QMenu* cmdBearbeiten = nullptr;
    QAction* cmdRueckgaengig = nullptr;
    QAction* cmdWiederholen = nullptr;
    QAction* cmdSpielregeln = nullptr;
    // F6, a key of the whole window and no menu entry.
    QShortcut* cmdFokusWechsel = nullptr;
    // Escape, live only while a hidden run or N model steps are under way.
    QShortcut* cmdAnhalten = nullptr;

    // The client area below the menu bar; bare window surface.
    Fensterflaeche* flaeche = nullptr;

    // --- Handlers: fields and set-up (form1_felder.cpp) ---
    void spielAufbau();
    void cmdTarnkiste_Click();
    void chkErlaubnis_Click(int index);
    void cmdDelN_Click();
    void cmdDelVor_Click();
    void cmdUebernehmen_Click(int index);
    void cmdWiederherstellen_Click();
    void cmdSpeichern_Click();
    void cmdoeffnen_Click();
    // The box as given as a code on the clipboard, and a code from it as the new box.
    void cmdTextKopieren_Click();
    void cmdTextEinfuegen_Click();
    void cmdSpurClear_Click();
    void picVorgabe_MouseDown(int knopf, double X, double Y);
    void picNachbau_MouseDown(int knopf, double X, double Y);
    void picVorgabe_MouseMove(double X, double Y);
    void picNachbau_MouseMove(double X, double Y);
    void picRandfreigabe_Click(int index);
    void Form_MouseMove();

    // --- Handlers: runs (form1_lauf.cpp) ---
    void Command5_Click();
    void Picture3_Click();
    // Escape during a run: what the STOP sign does, and the N model steps under way end too.
    void cmdAnhalten_Click();
    void cmdSchritt_Click();
    void cmdZehn_Click();
    void cmdSchritteMiinus_Click();
    void cmdSchrittePlus_Click();
    void cmdZaehler_Click();
    void Command2_Click();
    void hscV_Change();
    // Shrinks a counter box's font from `grund` until its whole count fits.
    static void schriftEinpassen(QLineEdit* feld, const QFont& grund);
    // Tells how many start places the model answers like the hidden box.
    void cmdPruefen_Click();

    // --- Handlers: the record of launches (form1_beobachtungen.cpp) ---
    // Opens the window "Beobachtungen", or raises it.
    void cmdBeobachtungen_Click();
    // A double-clicked row: the model probe goes to its start place.
    void beobachtungGewaehlt(const Beobachtung& beobachtung);
    Beobachtungsfenster* beobachtungsfenster();

    // --- Handlers: the rules window (form1_hilfe.cpp) ---
    // Opens "Spielregeln", or raises it; F1 too.
    void cmdSpielregeln_Click();
    Spielregeln* spielregeln() const { return spielregeln_; }

    // --- Handlers: undo and redo (form1_bearbeiten.cpp) ---
    void cmdRueckgaengig_Click();
    void cmdWiederholen_Click();

    // --- Handlers: keys on the boards and the focus (form1_tasten.cpp) ---
    // The arrows move the board's cursor; Space does there what a click
    // does, Return launches (hidden board) or steps (model); a held Return
    // (wiederholt) does nothing more.
    void picVorgabe_KeyDown(int taste, Qt::KeyboardModifiers umschalt, bool wiederholt = false);
    void picNachbau_KeyDown(int taste, Qt::KeyboardModifiers umschalt, bool wiederholt = false);
    void picVorgabe_GotFocus();
    void picNachbau_GotFocus();
    void picVorgabe_LostFocus();
    void picNachbau_LostFocus();
    // The focus goes round: controls, hidden board, model board, and back
    // to the control that had it; a disabled board is passed over.
    void cmdFokusWechsel_Click();
    Feldcursor cursor(Seite seite) const { return bretter_[seitenIndex(seite)]->cursor(); }
    Spielbrett& brett(Seite seite) { return *bretter_[seitenIndex(seite)]; }
    Spielmeldungen& meldungen() { return meldungen_; }

    // --- Handlers: blind (form1_rollo.cpp) ---
    void cmdJalousieRauf_Click();
    void cmdJalousieRunter_Click();
    void vscRollo_Change();
    void picRollo_MouseDown();
    void picRollo_MouseMove(double x, double y);
    void picRollo_MouseUp();
    void cmdRolloClear_Click();

    // --- Handlers: start screen and setup panel (form1_start.cpp) ---
    void cmdStart_Click();
    void Check1_Click();
    void hscMaxZahl_Change();
    void cmdInfo_Click();
    void cmdProgrammEnde_Click();

    // --- The help line (form1_hilfe.cpp) ---
    // The help text the line shows for a control, or nothing when it has no entry.
    std::optional<QString> hilfeText(QWidget* steuerelement) const;
    // A silent success confirmed: the help line shows it, until the next
    // pointer move replaces it, and the screen reader hears it.
    void bestaetigen(const QString& text);
    // Tells the screen reader, without moving the focus (form1_tasten.cpp).
    void ansagen(const QString& text);

    // Where a probe marker stands, its box's top-left corner in field units.
    QPointF markerOrt(Seite seite) const;

    // The allowed-object flags as the check boxes hold them.
    Erlaubnis erlaubnis() const;

    // The application's title, also of every message box.
    static QString titel() { return QStringLiteral("Tarnkiste"); }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    // Construction (form1.cpp, form1_layout.cpp, form1_hilfe.cpp).
    void aufbauen();
    void fensterFlaecheAufbauen();
    void legendeAufbauen();
    void randschalterAufbauen();
    void laufPanelAufbauen();
    void einstellPanelAufbauen();
    void felderAufbauen();
    void menueAufbauen();
    void tabReihenfolgeSetzen();
    void verbinden();
    void hilfeEinrichten();
    void zugaenglichkeitSetzen();
    void sondeSetzen(Seite seite, double X, double Y);
    // The boxes and the help line as the pointer at (X, Y) shows them.
    void zeigerZeigen(Seite seite, double X, double Y);
    void rolloHoeheSetzen(int wert);
    static std::size_t seitenIndex(Seite seite) { return seite == Seite::Vorgabe ? 0 : 1; }
    void feldTaste(Seite seite, int taste, Qt::KeyboardModifiers umschalt, bool wiederholt);
    // The frame at the cursor, and the help line and boxes as a pointer resting there shows them.
    void cursorZeigen(Seite seite);
    // Where the blind's lower edge hangs, in the hidden field's units.
    double rolloUnterkante() const;
    // The generator's run as the set-up panel's settings ask, without a word to the player.
    void tarnkisteErzeugen();
    // A window of its own opened from here: Escape and Ctrl+W close it, and the focus comes back.
    void nebenfensterOeffnen(QWidget* fenster);
    // Runs an edit of the model field and keeps what it changed for undo,
    // under `text` ("Zelle c4", "Feld löschen").
    void nachbauBearbeiten(const QString& text, const std::function<void()>& bearbeiten);

    Spielstand spiel_;
    Dienste dienste_;
    Spielmeldungen meldungen_;
    // Paints the first paint's pictures while the window is built.
    Nebenbei nebenbei_;
    // The display the probe steps and field operations report to.
    std::unique_ptr<SondenAnzeige> anzeige_ = fensteranzeige(*this, dienste_, meldungen_);
    int rolloStift = 0;
    // What the shared file dialog's name box last held.
    QString cdlDateiName;
    // Help texts by control; a function where the text is composed when asked.
    std::map<const QWidget*, std::function<QString()>> hilfe_;
    // The last pointer move handled, so that copies passed on to parents are skipped.
    qint64 letzteBewegung_ = -1;
    QPointF letzterOrt_;
    void beobachtungenZeigen();
    Beobachtungsfenster* beobachtungsfenster_ = nullptr;
    Spielregeln* spielregeln_ = nullptr;
    // The hidden launches under way, the innermost last.
    Laufbuch laufbuch_;
    // The edits of the model field since the start click; never saved.
    QUndoStack* verlauf_ = nullptr;
    // Hidden board first.
    std::array<std::unique_ptr<Spielbrett>, 2> bretter_;
    // Where F6 returns to from the model board.
    QPointer<QWidget> letzteSteuerung_;
    Ansager* ansager_ = nullptr;
    // Where the focus was when the rules or the record window opened.
    QPointer<QWidget> fokusVorFenster_;
    // N-steps commands under way, and Escape's count: a command ends when it changes.
    int zehnLaufend_ = 0;
    long long anhaltungen_ = 0;
    // A key, not the pointer, pressed the start button.
    bool startPerTaste_ = false;
    // Escape is live while anything it can stop is under way.
    void anhaltenFreigeben();
};
