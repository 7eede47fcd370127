// The window's construction, every signal connection, and closing and showing it.
#include "ui/form1.h"

#include <QAction>
#include <QApplication>
#include <QBackingStore>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QUndoStack>

#include "model/editieren.h"
#include "ui/ansager.h"
#include "ui/beobachtungsfenster.h"
#include "ui/erstesbild.h"
#include "ui/fensterflaeche.h"
#include "ui/festesbild.h"
#include "ui/marker.h"
#include "ui/qtzeichenflaeche.h"
#include "ui/vorbelegen.h"
#include "ui/zugang.h"

namespace {

int knopfCode(Qt::MouseButton knopf)
{
    switch (knopf) {
    case Qt::LeftButton: return knopfLinks;
    case Qt::RightButton: return knopfRechts;
    case Qt::MiddleButton: return knopfMitte;
    default: return 0;
    }
}

} // namespace

Form1::Form1(Dienste dienste, QWidget* parent) : QMainWindow(parent), dienste_(std::move(dienste))
{
    // Before any control is asked for its interface: the toolkit keeps the first one.
    zugangEinrichten();
    aufbauen();
    ansager_ = new Ansager(this);
    verlauf_ = new QUndoStack(this);
    verbinden();
    hilfeEinrichten();
    zugaenglichkeitSetzen();
    spielAufbau();
}

Form1::~Form1()
{
    // The base class closes the window after this part is gone, and the
    // board that held the focus then reports losing it: no handler of this
    // window may run by then.
    for (QtZeichenflaeche* feld : {picVorgabe, picNachbau})
        if (feld)
            disconnect(feld, nullptr, this, nullptr);
}

void Form1::verbinden()
{
    auto klick = [this](QPushButton* k, void (Form1::*handler)()) {
        connect(k, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    klick(cmdStart, &Form1::cmdStart_Click);
    klick(cmdTarnkiste, &Form1::cmdTarnkiste_Click);
    klick(cmdDelN, &Form1::cmdDelN_Click);
    klick(cmdDelVor, &Form1::cmdDelVor_Click);
    klick(cmdWiederherstellen, &Form1::cmdWiederherstellen_Click);
    klick(cmdSpurClear, &Form1::cmdSpurClear_Click);
    klick(Command5, &Form1::Command5_Click);
    klick(cmdSchritt, &Form1::cmdSchritt_Click);
    klick(cmdZehn, &Form1::cmdZehn_Click);
    klick(cmdSchritteMiinus, &Form1::cmdSchritteMiinus_Click);
    klick(cmdSchrittePlus, &Form1::cmdSchrittePlus_Click);
    klick(cmdZaehler, &Form1::cmdZaehler_Click);
    klick(Command2, &Form1::Command2_Click);
    klick(cmdJalousieRauf, &Form1::cmdJalousieRauf_Click);
    klick(cmdJalousieRunter, &Form1::cmdJalousieRunter_Click);
    klick(cmdRolloClear, &Form1::cmdRolloClear_Click);
    for (int i = 0; i < 2; ++i)
        connect(cmdUebernehmen[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { cmdUebernehmen_Click(i); });

    // A check box's click also fires when the program changes its state.
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    constexpr auto geaendert = &QCheckBox::checkStateChanged;
#else
    constexpr auto geaendert = &QCheckBox::stateChanged;
#endif
    for (int i = 0; i < anzahlCodes; ++i)
        connect(chkErlaubnis[static_cast<std::size_t>(i)], geaendert, this,
                [this, i] { chkErlaubnis_Click(i); });
    connect(Check1, geaendert, this, [this] { Check1_Click(); });

    connect(hscV, &QScrollBar::valueChanged, this, [this] { hscV_Change(); });
    connect(hscMaxZahl, &QScrollBar::valueChanged, this, [this] { hscMaxZahl_Change(); });
    // Change and scroll alike set the blind's height, so it follows the thumb.
    connect(vscRollo, &QScrollBar::valueChanged, this, [this] { vscRollo_Change(); });

    // The label's help sentence names the count; a screen reader hears the current one.
    connect(txtAnzahl, &QLineEdit::textChanged, this,
            [this] { Label4->setAccessibleDescription(*hilfeText(Label4)); });

    for (QLineEdit* zaehler : {txtZaehler, txtZaehlerVorgabe})
        connect(zaehler, &QLineEdit::textChanged, this,
                [zaehler, grund = zaehler->font()] { schriftEinpassen(zaehler, grund); });

    // Pointer input on the fields and the blind, in field units and the
    // model's button codes.
    for (QtZeichenflaeche* feld : {picVorgabe, picNachbau}) {
        const bool vorgabe = feld == picVorgabe;
        connect(feld, &QtZeichenflaeche::gedrueckt, this, [this, feld, vorgabe](Qt::MouseButton knopf, QPointF ort) {
            const QPointF p = feld->nachEinheiten(ort);
            vorgabe ? picVorgabe_MouseDown(knopfCode(knopf), p.x(), p.y())
                    : picNachbau_MouseDown(knopfCode(knopf), p.x(), p.y());
        });
        connect(feld, &QtZeichenflaeche::bewegt, this, [this, feld, vorgabe](QPointF ort) {
            const QPointF p = feld->nachEinheiten(ort);
            vorgabe ? picVorgabe_MouseMove(p.x(), p.y()) : picNachbau_MouseMove(p.x(), p.y());
        });
        connect(feld, &QtZeichenflaeche::taste, this,
                [this, vorgabe](int taste, Qt::KeyboardModifiers umschalt, bool wiederholt) {
                    vorgabe ? picVorgabe_KeyDown(taste, umschalt, wiederholt)
                            : picNachbau_KeyDown(taste, umschalt, wiederholt);
                });
        connect(feld, &QtZeichenflaeche::fokus, this, [this, vorgabe](bool erhalten) {
            if (erhalten)
                vorgabe ? picVorgabe_GotFocus() : picNachbau_GotFocus();
            else
                vorgabe ? picVorgabe_LostFocus() : picNachbau_LostFocus();
        });
    }
    connect(picRollo, &QtZeichenflaeche::gedrueckt, this, [this] { picRollo_MouseDown(); });
    connect(picRollo, &QtZeichenflaeche::bewegt, this, [this](QPointF ort) {
        const QPointF p = picRollo->nachEinheiten(ort);
        picRollo_MouseMove(p.x(), p.y());
    });
    connect(picRollo, &QtZeichenflaeche::losgelassen, this, [this] { picRollo_MouseUp(); });
    connect(flaeche, &Fensterflaeche::bewegt, this, [this] { Form_MouseMove(); });
    connect(Picture3, &FestesBild::geklickt, this, [this] { Picture3_Click(); });
    for (int i = 0; i < 4; ++i)
        connect(picRandfreigabe[static_cast<std::size_t>(i)], &FestesBild::geklickt, this,
                [this, i] { picRandfreigabe_Click(i); });

    connect(cmdSpeichern, &QAction::triggered, this, [this] { cmdSpeichern_Click(); });
    connect(cmdoeffnen, &QAction::triggered, this, [this] { cmdoeffnen_Click(); });
    connect(cmdTextKopieren, &QAction::triggered, this, [this] { cmdTextKopieren_Click(); });
    connect(cmdTextEinfuegen, &QAction::triggered, this, [this] { cmdTextEinfuegen_Click(); });
    connect(cmdProgrammEnde, &QAction::triggered, this, [this] { cmdProgrammEnde_Click(); });
    connect(cmdInfo, &QAction::triggered, this, [this] { cmdInfo_Click(); });
    connect(cmdPruefen, &QAction::triggered, this, [this] { cmdPruefen_Click(); });
    connect(cmdBeobachtungen, &QAction::triggered, this, [this] { cmdBeobachtungen_Click(); });
    connect(cmdRueckgaengig, &QAction::triggered, this, [this] { cmdRueckgaengig_Click(); });
    connect(cmdWiederholen, &QAction::triggered, this, [this] { cmdWiederholen_Click(); });
    connect(cmdSpielregeln, &QAction::triggered, this, [this] { cmdSpielregeln_Click(); });
    connect(cmdFokusWechsel, &QShortcut::activated, this, [this] { cmdFokusWechsel_Click(); });
    connect(cmdAnhalten, &QShortcut::activated, this, [this] { cmdAnhalten_Click(); });
    for (QAction* a : menuBar()->findChildren<QAction*>())
        connect(a, &QAction::hovered, this, [this, a] {
            if (!a->statusTip().isEmpty())
                txtHilfe->setText(a->statusTip());
        });

    // The undo entries name what they would undo or redo, and are greyed when there is nothing.
    const auto folgen = [this](QAction* eintrag, const QString& wort, void (QUndoStack::*textGeaendert)(const QString&),
                               void (QUndoStack::*moeglichGeaendert)(bool)) {
        connect(verlauf_, textGeaendert, eintrag, [eintrag, wort](const QString& text) {
            eintrag->setText(text.isEmpty() ? wort : wort + QStringLiteral(": ") + text);
        });
        connect(verlauf_, moeglichGeaendert, eintrag, &QAction::setEnabled);
    };
    folgen(cmdRueckgaengig, QStringLiteral("Rückgängig"), &QUndoStack::undoTextChanged, &QUndoStack::canUndoChanged);
    folgen(cmdWiederholen, QStringLiteral("Wiederholen"), &QUndoStack::redoTextChanged, &QUndoStack::canRedoChanged);
}

void Form1::nebenfensterOeffnen(QWidget* fenster)
{
    if (!fenster->property("schliesstasten").toBool()) {
        fenster->setProperty("schliesstasten", true);
        for (const QKeySequence& taste : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            auto* schliessen = new QShortcut(taste, fenster);
            schliessen->setContext(Qt::WindowShortcut);
            connect(schliessen, &QShortcut::activated, fenster, &QWidget::close);
        }
        // Its hiding hands the focus back (eventFilter).
        fenster->installEventFilter(this);
    }
    if (!fenster->isVisible()) {
        QWidget* jetzt = QApplication::focusWidget();
        fokusVorFenster_ = jetzt && jetzt->window() == this ? jetzt : nullptr;
    }
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

QPointF Form1::markerOrt(Seite seite) const
{
    return (seite == Seite::Vorgabe ? shpBallVorgabe : shpBallNachbau)->ort();
}

Erlaubnis Form1::erlaubnis() const
{
    Erlaubnis e{};
    for (std::size_t i = 0; i < e.size(); ++i)
        e[i] = chkErlaubnis[i]->checkState() == Qt::Checked;
    return e;
}

void Form1::closeEvent(QCloseEvent* ereignis)
{
    ereignis->accept();
    // Handlers may be running inside an event pump below us; ending the
    // process at once is the only way no further handler runs.
    dienste_.beenden();
}

void Form1::showEvent(QShowEvent* ereignis)
{
    QMainWindow::showEvent(ereignis);
    // The window exists but is not mapped yet. On X the first frame shows
    // the moment the window maps; taken back once the map is on its way,
    // which the show sends before any queued call. Where X cannot take it,
    // the buffer made and backed now leaves only the painting between the
    // map and the first frame. Only X's buffer is a picture before the first
    // paint: Wayland's has no memory until then, and asking for it crashes.
    if (QBackingStore* puffer = backingStore(); puffer && puffer->size() != size()) {
        if (erstesBildVorlegen(*this)) {
            QMetaObject::invokeMethod(this, [this] { erstesBildZuruecknehmen(*this); }, Qt::QueuedConnection);
        } else if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            puffer->resize(size());
            if (auto* bild = dynamic_cast<QImage*>(puffer->paintDevice()))
                bildVorbelegen(*bild);
        }
    }
    // No text box starts with the caret: on the start screen the start button
    // holds the focus, so Space starts the game. A click on the bare surface
    // takes the focus from a text box.
    flaeche->setFocusPolicy(Qt::ClickFocus);
    if (cmdStart->isVisible())
        cmdStart->setFocus();
}
