// An icon engine that paints its one picture on the first request and then hands everything to a plain QIcon.
#include "ui/spaetesbild.h"

#include <QIconEngine>
#include <QPainter>

namespace {

class SpaeterMotor : public QIconEngine {
public:
    SpaeterMotor(QSize groesse, Bildmaler malen) : groesse_(groesse), malen_(std::move(malen)) {}

    void paint(QPainter* maler, const QRect& ort, QIcon::Mode modus, QIcon::State zustand) override
    {
        fertig().paint(maler, ort, Qt::AlignCenter, modus, zustand);
    }
    QPixmap pixmap(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override
    {
        return fertig().pixmap(groesse, modus, zustand);
    }
    QPixmap scaledPixmap(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand, qreal faktor) override
    {
        return fertig().pixmap(groesse, faktor, modus, zustand);
    }
    QSize actualSize(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override
    {
        return fertig().actualSize(groesse, modus, zustand);
    }
    // Known without painting: the one size the picture has.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {groesse_}; }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("SpaeterMotor"); }
    QIconEngine* clone() const override { return new SpaeterMotor(*this); }

private:
    const QIcon& fertig()
    {
        if (fertig_.isNull()) {
            fertig_ = QIcon(malen_());
            malen_ = nullptr;  // what it captured is no longer needed
        }
        return fertig_;
    }

    QSize groesse_;
    Bildmaler malen_;
    QIcon fertig_;
};

} // namespace

QIcon spaetesSymbol(QSize groesse, Bildmaler malen)
{
    return QIcon(new SpaeterMotor(groesse, std::move(malen)));
}
