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

void Bildfeld::setzeRahmen(bool an)
{
    rahmen_ = an;
    update();
}

void Bildfeld::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), hintergrund_);
    if (!bild_.isNull()) {
        if (strecken_) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawPixmap(rect(), bild_);
        } else {
            p.drawPixmap(0, 0, bild_);
        }
    }
    if (rahmen_) {
        p.setPen(QColor(128, 128, 128));
        p.drawLine(0, 0, width() - 1, 0);
        p.drawLine(0, 0, 0, height() - 1);
        p.setPen(QColor(255, 255, 255));
        p.drawLine(1, height() - 1, width() - 1, height() - 1);
        p.drawLine(width() - 1, 1, width() - 1, height() - 1);
    }
}
