// A style for wide buttons: their panel is painted from a narrow strip.
#include "ui/streifenstil.h"

#include <QImage>
#include <QPainter>
#include <QStyleOption>

void StreifenStil::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* maler,
                                 const QWidget* widget) const
{
    const QRect ort = option->rect;
    const int streifenBreite = 2 * endbreite + 1;
    if (element != PE_PanelButtonCommand || ort.width() <= 2 * streifenBreite ||
        baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0) {
        QProxyStyle::drawPrimitive(element, option, maler, widget);
        return;
    }
    const QStyleOptionButton* knopf = qstyleoption_cast<const QStyleOptionButton*>(option);
    QStyleOptionButton schmal = knopf ? *knopf : QStyleOptionButton();
    if (!knopf)
        static_cast<QStyleOption&>(schmal) = *option;
    schmal.rect = QRect(0, 0, streifenBreite, ort.height());

    // The strip at the painter's ratio, transparent where the panel leaves
    // the background, as Fusion's own cache picture is.
    const qreal verhaeltnis = maler->device() ? maler->device()->devicePixelRatio() : 1.0;
    QImage streifen(schmal.rect.size() * verhaeltnis, QImage::Format_ARGB32_Premultiplied);
    streifen.setDevicePixelRatio(verhaeltnis);
    streifen.fill(Qt::transparent);
    {
        QPainter p(&streifen);
        baseStyle()->drawPrimitive(element, &schmal, &p, widget);
    }
    maler->save();
    // Each column is copied, never blended with its neighbours.
    maler->setRenderHint(QPainter::SmoothPixmapTransform, false);
    const int bildEnde = qRound(endbreite * verhaeltnis);
    const int hoehe = streifen.height();
    const int mitte = ort.width() - 2 * endbreite;
    maler->drawImage(QRect(ort.left(), ort.top(), endbreite, ort.height()), streifen, QRect(0, 0, bildEnde, hoehe));
    maler->drawImage(QRect(ort.left() + endbreite, ort.top(), mitte, ort.height()), streifen,
                     QRect(bildEnde, 0, streifen.width() - 2 * bildEnde, hoehe));
    maler->drawImage(QRect(ort.right() + 1 - endbreite, ort.top(), endbreite, ort.height()), streifen,
                     QRect(streifen.width() - bildEnde, 0, bildEnde, hoehe));
    maler->restore();
}
