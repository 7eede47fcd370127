// The window surface: two grey lines along its right and lower edge, and its own pointer moves.
#include "ui/fensterflaeche.h"

#include <QMouseEvent>
#include <QPainter>

#include "render/aussehen.h"
#include "ui/qtfarbe.h"

void Fensterflaeche::paintEvent(QPaintEvent*)
{
    constexpr int px = twipsProPixel;
    QPainter p(this);
    p.setPen(qtFarbe(fensterLinienGrau));
    p.drawLine(16080 / px, 120 / px, 16080 / px, 10440 / px);
    p.drawLine(16080 / px, 10440 / px, 0, 10440 / px);
}

void Fensterflaeche::mouseMoveEvent(QMouseEvent* ereignis)
{
    // Moves that enabled controls ignore are passed on to their parents up
    // to here as well; those are the controls' own.
    QWidget* ziel = childAt(ereignis->position().toPoint());
    while (ziel && ziel != this && !ziel->isEnabled())
        ziel = ziel->parentWidget();
    if (!ziel || ziel == this)
        emit bewegt();
}
