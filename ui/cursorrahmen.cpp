// The cursor frame: placed by the board's units, painted as three nested rings.
#include "ui/cursorrahmen.h"

#include <QPainter>

#include "render/aussehen.h"
#include "ui/qtfarbe.h"
#include "ui/qtzeichenflaeche.h"

namespace {

// Rings from the outside in, one pixel each: a black line, three of magenta, a black line.
constexpr int ringe = 5;

} // namespace

Cursorrahmen::Cursorrahmen(QtZeichenflaeche* feld) : QWidget(feld), feld_(feld)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Cursorrahmen::zeigen(int x, int y)
{
    setGeometry(feld_->nachPixeln(x, y, 1, 1));
    raise();
    show();
}

void Cursorrahmen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (int i = 0; i < ringe; ++i) {
        const bool kontur = i == 0 || i == ringe - 1;
        p.setPen(qtFarbe(kontur ? cursorKontur : cursorFarbe));
        p.drawRect(i, i, width() - 1 - 2 * i, height() - 1 - 2 * i);
    }
}
