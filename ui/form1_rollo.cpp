// The roller blind: its height, the animated raising and lowering, notes and wiping.
#include <QLineEdit>
#include <QScrollBar>

#include "render/aussehen.h"
#include "render/brett.h"
#include "ui/form1.h"
#include "ui/qtzeichenflaeche.h"

void Form1::rolloHoeheSetzen(int wert)
{
    // The blind hangs from (0.1, 0.1); only its window shrinks, so notes keep their place.
    rolloFenster->setGeometry(picVorgabe->nachPixeln(0.1, 0.1, 7.8, wert / 10.0));
}

void Form1::vscRollo_Change()
{
    rolloHoeheSetzen(vscRollo->value());
    // A cell the blind uncovers is read by its content, as a sighted player sees it.
    brett(Seite::Vorgabe).benennen();
}

void Form1::cmdJalousieRauf_Click()
{
    const int v = vscRollo->value();
    for (int i = v; i >= 1; --i) {
        anzeige_->ereignisseAbarbeiten();
        anzeige_->warten(1);
        vscRollo->setValue(i);
    }
}

void Form1::cmdJalousieRunter_Click()
{
    const int v = vscRollo->value();
    for (int i = v; i <= rolloWeg; ++i) {
        anzeige_->ereignisseAbarbeiten();
        anzeige_->warten(1);
        vscRollo->setValue(i);
    }
}

void Form1::picRollo_MouseDown() { rolloStift = 1; }
void Form1::picRollo_MouseUp() { rolloStift = 0; }

void Form1::picRollo_MouseMove(double x, double y)
{
    txtHilfe->setText(*hilfeText(picRollo));
    if (rolloStift == 1)
        picRollo->punkt(x, y);
}

void Form1::cmdRolloClear_Click() { rolloWischen(*picRollo); }
