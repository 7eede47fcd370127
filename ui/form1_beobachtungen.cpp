// The record of launches: its window, keeping it up to date, and a row's start place for the model probe.
#include "model/editieren.h"
#include "ui/beobachtungsfenster.h"
#include "ui/form1.h"
#include "ui/randmarkenbild.h"

Beobachtungsfenster* Form1::beobachtungsfenster()
{
    // Made on first use, like the rules window: its table would weigh on the start (bench case
    // `render/beobachtungsfenster`).
    if (!beobachtungsfenster_) {
        beobachtungsfenster_ = new Beobachtungsfenster(this);
        beobachtungsfenster_->setAccessibleName(QStringLiteral("Beobachtungen"));
        connect(beobachtungsfenster_, &Beobachtungsfenster::zeileGewaehlt, this,
                [this](const Beobachtung& b) { beobachtungGewaehlt(b); });
        connect(beobachtungsfenster_, &Beobachtungsfenster::markenUmgeschaltet, randMarken, &QWidget::setVisible);
        // A closed window is shown anew when it opens.
        connect(&meldungen_, &Spielmeldungen::beobachtungenGeaendert, beobachtungsfenster_, [this] {
            if (beobachtungsfenster_->isVisible())
                beobachtungenZeigen();
        });
    }
    return beobachtungsfenster_;
}

void Form1::cmdBeobachtungen_Click()
{
    beobachtungenZeigen();
    const bool neu = !beobachtungsfenster_->isVisible();
    nebenfensterOeffnen(beobachtungsfenster_);
    if (neu)
        beobachtungsfenster_->aufNeuesteZeile();
}

void Form1::beobachtungenZeigen()
{
    beobachtungsfenster()->zeigen(spiel_.beobachtungen, spiel_.feldNachbau);
}

void Form1::beobachtungGewaehlt(const Beobachtung& b)
{
    // A launch that went on from inside the box has no border place to go to.
    if (imFeld(b.start.x, b.start.y))
        return;
    picNachbau_MouseDown(knopfLinks, b.start.x + 0.5, b.start.y + 0.5);
}
