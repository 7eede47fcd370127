// The start screen's click, the safety box, the count slider, the info box and the end.
#include <QCheckBox>
#include <QFrame>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QUndoStack>

#include "ui/fensterflaeche.h"
#include "ui/festesbild.h"
#include "ui/form1.h"
#include "ui/qtzeichenflaeche.h"

void Form1::cmdStart_Click()
{
    // No tone can sound on the start screen; from here on one can.
    dienste_.tonausgabe->vorbereiten();
    anzeige_->ereignisseAbarbeiten();
    Frame1->setEnabled(true);
    Frame2->setEnabled(true);
    fraCockpit->setEnabled(true);
    picVorgabe->setEnabled(true);
    picNachbau->setEnabled(true);
    // The hiding button hands its focus on to the blind's "up" arrow, whose
    // Space would show the box. A key takes the focus to the hidden board's
    // a8 instead; a click leaves it on the bare surface, where no key does
    // anything and no frame shows.
    if (cmdStart->hasFocus()) {
        if (startPerTaste_) {
            brett(Seite::Vorgabe).cursorSetzen(Feldcursor{0, 0});
            picVorgabe->setFocus(Qt::OtherFocusReason);
        } else {
            flaeche->setFocus(Qt::OtherFocusReason);
        }
    }
    picStart->hide();
    cmdStart->hide();
    // The start screen does not come back: its pictures are let go.
    picStart->bildSetzen({});
    cmdStart->setIcon(QIcon());
    cmdJalousieRauf_Click();
    tarnkisteErzeugen();
    txtAnzahl->setText(QStringLiteral("0"));
    tarnkisteErzeugen();
    cmdJalousieRunter_Click();
    txtAnzahl->setText(QStringLiteral("7"));
    verlauf_->clear();
}

void Form1::Check1_Click()
{
    const bool frei = Check1->checkState() == Qt::Checked;
    cmdUebernehmen[0]->setEnabled(frei);
    cmdUebernehmen[1]->setEnabled(frei);
}

void Form1::hscMaxZahl_Change() { txtAnzahl->setText(QString::number(hscMaxZahl->value())); }

void Form1::cmdInfo_Click()
{
    dienste_.dialoge->meldung(this, titel(), QStringLiteral("Tarnkiste – ein Knobelspiel mit Spiegeln und Sonden"),
                              false);
}

void Form1::cmdProgrammEnde_Click() { dienste_.beenden(); }
