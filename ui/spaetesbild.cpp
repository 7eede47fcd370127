// Pictures painted on first use, and the icon engine that hands them to Qt as plain icons.
#include "ui/spaetesbild.h"

#include <QIconEngine>
#include <QPainter>

#include <map>
#include <utility>

QPixmap SpaetesBild::bild()
{
    if (!bild_.isNull() || !malen_)
        return bild_;
    bild_ = malen_();
    malen_ = nullptr;
    return bild_;
}

namespace {

// One picture per size in pixels, or one for all sizes, each handed to a
// plain QIcon that does the modes, states and scaling as for any picture.
class SpaeterMotor : public QIconEngine {
public:
    SpaeterMotor(QList<QSize> groessen, std::function<QPixmap(QSize)> malen, bool jeGroesse)
        : groessen_(std::move(groessen)), malen_(std::move(malen)), jeGroesse_(jeGroesse)
    {
    }

    void paint(QPainter* maler, const QRect& ort, QIcon::Mode modus, QIcon::State zustand) override
    {
        const qreal faktor = maler->device() ? maler->device()->devicePixelRatio() : 1.0;
        symbol(ort.size() * faktor).paint(maler, ort, Qt::AlignCenter, modus, zustand);
    }
    QPixmap pixmap(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override
    {
        return symbol(groesse).pixmap(groesse, modus, zustand);
    }
    QPixmap scaledPixmap(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand, qreal faktor) override
    {
        return symbol(groesse * faktor).pixmap(groesse, faktor, modus, zustand);
    }
    QSize actualSize(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override
    {
        return symbol(groesse).actualSize(groesse, modus, zustand);
    }
    // Known without painting.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return groessen_; }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("SpaeterMotor"); }
    QIconEngine* clone() const override { return new SpaeterMotor(*this); }

private:
    QIcon symbol(QSize groesse)
    {
        const std::pair<int, int> schluessel = jeGroesse_ ? std::pair{groesse.width(), groesse.height()} : std::pair{0, 0};
        auto it = bilder_.find(schluessel);
        if (it == bilder_.end())
            it = bilder_.emplace(schluessel, SpaetesBild([malen = malen_, groesse] { return malen(groesse); })).first;
        return QIcon(it->second.bild());
    }

    QList<QSize> groessen_;
    std::function<QPixmap(QSize)> malen_;
    bool jeGroesse_;
    std::map<std::pair<int, int>, SpaetesBild> bilder_;
};

} // namespace

QIcon spaetesSymbol(QSize groesse, Bildmaler malen)
{
    return QIcon(new SpaeterMotor({groesse}, [malen = std::move(malen)](QSize) { return malen ? malen() : QPixmap(); },
                                  false));
}

QIcon spaetesSymbol(QList<QSize> groessen, std::function<QPixmap(QSize)> malen)
{
    return QIcon(new SpaeterMotor(std::move(groessen), std::move(malen), true));
}
