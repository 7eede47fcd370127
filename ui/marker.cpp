// Probe marker: the circle's diameter is the box's smaller side, centred in the box.
#include "ui/marker.h"

#include <QPainter>

#include "render/aussehen.h"
#include "render/geometrie.h"
#include "ui/qtfarbe.h"
#include "ui/qtzeichenflaeche.h"

Marker::Marker(QtZeichenflaeche* feld) : QWidget(feld), feld_(feld), fuellung_(qtFarbe(markerGelb))
{
    // Clicks on the marker belong to the field under it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Marker::ortSetzen(QPointF ort)
{
    ort_ = ort;
    anpassen();
}

void Marker::verschieben(double ddx, double ddy)
{
    ortSetzen(ort_ + QPointF(ddx, ddy));
}

void Marker::fuellungSetzen(const QColor& farbe)
{
    fuellung_ = farbe;
    update();
}

void Marker::anpassen()
{
    setGeometry(feld_->nachPixeln(ort_.x(), ort_.y(), markerBreite, markerHoehe));
}

void Marker::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double d = std::min(width(), height()) - 2.0;
    const QRectF kreis((width() - d) / 2.0, (height() - d) / 2.0, d, d);
    p.setPen(QPen(qtFarbe(markerRand), 2));
    p.setBrush(fuellung_);
    p.drawEllipse(kreis);
}
