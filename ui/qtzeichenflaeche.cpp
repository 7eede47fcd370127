// The widget that shows a surface's picture and reports pointer input.
#include "ui/qtzeichenflaeche.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/qtfarbe.h"

QtZeichenflaeche::QtZeichenflaeche(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    schriftSetzen(font());
    anpassen();
    // Until told otherwise the surface looks like a picture box on a form:
    // button face behind black drawing.
    hintergrundSetzen(alsFarbe(palette().color(QPalette::Button)));
}

void QtZeichenflaeche::ortSetzen(const QRect& ort)
{
    setGeometry(ort);
    anpassen();
}

void QtZeichenflaeche::geraetePixelVerhaeltnisSetzen(qreal verhaeltnis)
{
    erzwungenesVerhaeltnis_ = verhaeltnis > 0 ? verhaeltnis : 0.0;
    if (anpassen())
        update();
}

void QtZeichenflaeche::kindPlatzieren(QWidget* kind, double links, double oben, double breite, double hoehe)
{
    kind->setGeometry(nachPixeln(links, oben, breite, hoehe));
}

qreal QtZeichenflaeche::gewuenschtesVerhaeltnis() const
{
    return erzwungenesVerhaeltnis_ > 0 ? erzwungenesVerhaeltnis_ : devicePixelRatioF();
}

bool QtZeichenflaeche::anpassen() { return masseSetzen(size(), gewuenschtesVerhaeltnis()); }

void QtZeichenflaeche::gezeichnet()
{
    // Asking once until the paint is enough; a black hole's 2400 dots would
    // otherwise ask 2400 times, which took a third of a full trail clear.
    if (!neuMalen_) {
        neuMalen_ = true;
        update();
    }
}

void QtZeichenflaeche::mousePressEvent(QMouseEvent* ereignis) { emit gedrueckt(ereignis->button(), ereignis->position()); }

void QtZeichenflaeche::mouseMoveEvent(QMouseEvent* ereignis) { emit bewegt(ereignis->position()); }

void QtZeichenflaeche::mouseReleaseEvent(QMouseEvent* ereignis)
{
    emit losgelassen(ereignis->button(), ereignis->position());
}

void QtZeichenflaeche::keyPressEvent(QKeyEvent* ereignis)
{
    switch (ereignis->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit taste(ereignis->key(), ereignis->modifiers(), ereignis->isAutoRepeat());
        break;
    default:
        QWidget::keyPressEvent(ereignis);
    }
}

void QtZeichenflaeche::focusInEvent(QFocusEvent* ereignis)
{
    QWidget::focusInEvent(ereignis);
    emit fokus(true);
}

void QtZeichenflaeche::focusOutEvent(QFocusEvent* ereignis)
{
    QWidget::focusOutEvent(ereignis);
    emit fokus(false);
}

void QtZeichenflaeche::paintEvent(QPaintEvent*)
{
    // The screen's ratio is known for sure only once the widget is on it.
    anpassen();
    neuMalen_ = false;
    QPainter p(this);
    p.drawImage(QPointF(0, 0), bild());
}

void QtZeichenflaeche::resizeEvent(QResizeEvent* ereignis)
{
    QWidget::resizeEvent(ereignis);
    anpassen();
}

void QtZeichenflaeche::changeEvent(QEvent* ereignis)
{
    if (ereignis->type() == QEvent::FontChange)
        schriftSetzen(font());
    QWidget::changeEvent(ereignis);
}
