// Picture control: the picture sits at the top-left corner (or fills the
// control when stretched) over the background, clipped to the control.
#include "ui/festesbild.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "render/aussehen.h"
#include "ui/qtfarbe.h"

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
    if (hasFocus() && bedienung_ != Bedienung::Keine) {
        // The board cursor's colours: a black line, two of magenta inside it.
        p.setPen(qtFarbe(cursorKontur));
        p.drawRect(0, 0, width() - 1, height() - 1);
        p.setPen(qtFarbe(cursorFarbe));
        p.drawRect(1, 1, width() - 3, height() - 3);
        p.drawRect(2, 2, width() - 5, height() - 5);
        return;
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

void FestesBild::bedienungSetzen(Bedienung bedienung)
{
    bedienung_ = bedienung;
    setFocusPolicy(bedienung == Bedienung::Keine ? Qt::NoFocus : Qt::TabFocus);
}

void FestesBild::anSetzen(bool an)
{
    if (an == an_)
        return;
    an_ = an;
    QAccessible::State geaendert;
    geaendert.checked = true;
    QAccessibleStateChangeEvent ereignis(this, geaendert);
    QAccessible::updateAccessibility(&ereignis);
}

void FestesBild::keyPressEvent(QKeyEvent* ereignis)
{
    const int k = ereignis->key();
    const bool klickTaste =
        k == Qt::Key_Space || (bedienung_ == Bedienung::Knopf && (k == Qt::Key_Return || k == Qt::Key_Enter));
    if (bedienung_ == Bedienung::Keine || !klickTaste || ereignis->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(ereignis);
        return;
    }
    // A held key clicks once.
    if (!ereignis->isAutoRepeat())
        emit geklickt();
}

void FestesBild::focusInEvent(QFocusEvent* ereignis)
{
    QWidget::focusInEvent(ereignis);
    update();
}

void FestesBild::focusOutEvent(QFocusEvent* ereignis)
{
    QWidget::focusOutEvent(ereignis);
    update();
}
