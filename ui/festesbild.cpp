// Picture control: the picture sits at the top-left corner (or fills the
// control when stretched) over the background, clipped to the control.
#include "ui/festesbild.h"

#include <QMouseEvent>
#include <QPainter>

FestesBild::FestesBild(QWidget* parent) : QWidget(parent) {}

void FestesBild::bildSetzen(Bildmaler malen, bool strecken)
{
    bild_ = SpaetesBild(std::move(malen));
    strecken_ = strecken;
    update();
}

void FestesBild::hintergrundSetzen(const QColor& farbe)
{
    hintergrund_ = farbe;
    update();
}

void FestesBild::rahmenSetzen(bool an)
{
    rahmen_ = an;
    update();
}

void FestesBild::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), hintergrund_);
    const QPixmap bild = bild_.bild();
    if (!bild.isNull()) {
        if (strecken_) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawPixmap(rect(), bild);
        } else {
            p.drawPixmap(0, 0, bild);
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

void FestesBild::mousePressEvent(QMouseEvent* ereignis)
{
    gedrueckt_ = ereignis->button() == Qt::LeftButton;
}

void FestesBild::mouseReleaseEvent(QMouseEvent* ereignis)
{
    const bool klick = gedrueckt_ && ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint());
    gedrueckt_ = false;
    if (klick)
        emit geklickt();
}
