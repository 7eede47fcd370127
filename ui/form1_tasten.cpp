// Playing with the keyboard: the boards' cursors and their keys, the focus round on F6, and the
// boards' accessible names, which follow the cursors.
#include <QApplication>
#include <QLineEdit>

#include <optional>

#include <QScrollBar>

#include "model/editieren.h"
#include "ui/ansager.h"
#include "ui/form1.h"
#include "ui/qtzeichenflaeche.h"

namespace {

std::optional<Richtung> pfeilRichtung(int taste)
{
    switch (taste) {
    case Qt::Key_Left: return west;
    case Qt::Key_Right: return ost;
    case Qt::Key_Up: return nord;
    case Qt::Key_Down: return sued;
    default: return std::nullopt;
    }
}

// Space stands for the left button, with Shift for the right, with Ctrl for the middle one.
int knopfDerLeertaste(Qt::KeyboardModifiers umschalt)
{
    if (umschalt & Qt::ControlModifier)
        return knopfMitte;
    if (umschalt & Qt::ShiftModifier)
        return knopfRechts;
    return knopfLinks;
}

bool nimmtFokus(const QWidget* w)
{
    return w && w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus);
}

} // namespace

void Form1::picVorgabe_KeyDown(int taste, Qt::KeyboardModifiers umschalt, bool wiederholt)
{
    feldTaste(Seite::Vorgabe, taste, umschalt, wiederholt);
}
void Form1::picNachbau_KeyDown(int taste, Qt::KeyboardModifiers umschalt, bool wiederholt)
{
    feldTaste(Seite::Nachbau, taste, umschalt, wiederholt);
}
void Form1::picVorgabe_GotFocus() { cursorZeigen(Seite::Vorgabe); }
void Form1::picNachbau_GotFocus() { cursorZeigen(Seite::Nachbau); }
void Form1::picVorgabe_LostFocus() { brett(Seite::Vorgabe).rahmenVerbergen(); }
void Form1::picNachbau_LostFocus() { brett(Seite::Nachbau).rahmenVerbergen(); }

void Form1::feldTaste(Seite seite, int taste, Qt::KeyboardModifiers umschalt, bool wiederholt)
{
    Spielbrett& b = brett(seite);
    if (const auto richtung = pfeilRichtung(taste)) {
        b.cursorSetzen(cursorBewegen(b.cursor(), *richtung));
        cursorZeigen(seite);
        return;
    }
    const Feldcursor c = b.cursor();
    // The middle of the place, where a click lands in its zone.
    const double X = c.x + 0.5;
    const double Y = c.y + 0.5;
    const bool vorgabe = seite == Seite::Vorgabe;
    if (taste == Qt::Key_Space) {
        // The blind's notes stay the pointer's: Space on a hidden cell does nothing.
        if (vorgabe && imFeld(c.x, c.y))
            return;
        if (vorgabe)
            picVorgabe_MouseDown(knopfLinks, X, Y);
        else
            picNachbau_MouseDown(knopfDerLeertaste(umschalt), X, Y);
        cursorZeigen(seite);
    } else if ((taste == Qt::Key_Return || taste == Qt::Key_Enter) && !wiederholt) {
        // A launch or step lets events run; the repeats of a held key would
        // start one launch inside another, whose record nobody can read.
        vorgabe ? Command5_Click() : cmdSchritt_Click();
    }
}

void Form1::cursorZeigen(Seite seite)
{
    brett(seite).rahmenZeigen();
    const Feldcursor c = brett(seite).cursor();
    const double X = c.x + 0.5;
    const double Y = c.y + 0.5;
    if (seite == Seite::Nachbau) {
        picNachbau_MouseMove(X, Y);
        return;
    }
    // Where the blind hangs, a resting pointer would be over the blind, not over the field.
    if (imFeld(c.x, c.y) && rolloFenster->geometry().contains(picVorgabe->nachPixeln(X, Y, 0, 0).topLeft()))
        txtHilfe->setText(*hilfeText(picRollo));
    else
        picVorgabe_MouseMove(X, Y);
}

double Form1::rolloUnterkante() const { return 0.1 + vscRollo->value() / 10.0; }

void Form1::ansagen(const QString& text) { ansager_->ansagen(text); }

void Form1::cmdFokusWechsel_Click()
{
    QWidget* jetzt = QApplication::focusWidget();
    if (jetzt != picVorgabe && jetzt != picNachbau) {
        letzteSteuerung_ = jetzt;
        if (nimmtFokus(picVorgabe))
            picVorgabe->setFocus(Qt::OtherFocusReason);
        else if (nimmtFokus(picNachbau))
            picNachbau->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (jetzt == picVorgabe && nimmtFokus(picNachbau)) {
        picNachbau->setFocus(Qt::OtherFocusReason);
        return;
    }
    // Back to the controls: the one that had the focus, or, when it has gone
    // or been disabled since, the first after the model board in Tab order.
    QWidget* ziel = letzteSteuerung_;
    if (!nimmtFokus(ziel)) {
        ziel = nullptr;
        for (QWidget* w = picNachbau->nextInFocusChain(); w != picNachbau && !ziel; w = w->nextInFocusChain())
            if (w != picVorgabe && w->window() == this && nimmtFokus(w))
                ziel = w;
    }
    if (ziel)
        ziel->setFocus(Qt::OtherFocusReason);
}
