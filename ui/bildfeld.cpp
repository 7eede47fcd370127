// Picture control: the picture sits at the top-left corner (or fills the
// control when stretched) over the background, clipped to the control.
#include "ui/bildfeld.h"

#include <QPainter>

Bildfeld::Bildfeld(QWidget* parent) : QWidget(parent) {}

void Bildfeld::setzeBild(const QPixmap& bild, bool strecken)
{
    bild_ = bild;
    strecken_ = strecken;
    update();
}

void Bildfeld::setzeHintergrund(const QColor& farbe)
{
    hintergrund_ = farbe;
    update();
}

void Bildfeld::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), hintergrund_);
    if (bild_.isNull())
        return;
    if (strecken_) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), bild_);
    } else {
        p.drawPixmap(0, 0, bild_);
    }
}
