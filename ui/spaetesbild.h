// Pictures painted when they are first needed, not when the window is built.
#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QSize>

#include <functional>

using Bildmaler = std::function<QPixmap()>;

// A picture that its painter paints the first time it is asked for, kept
// from then on, when the painter and what it captured are let go. A painter
// that gives no picture, or no painter at all, gives a null picture every time.
class SpaetesBild {
public:
    SpaetesBild() = default;
    explicit SpaetesBild(Bildmaler malen) : malen_(std::move(malen)) {}

    QPixmap bild();

private:
    Bildmaler malen_;
    QPixmap bild_;
};

// An icon of the logical size `groesse` whose one picture is a SpaetesBild;
// once painted it behaves exactly as QIcon(picture).
QIcon spaetesSymbol(QSize groesse, Bildmaler malen);
// An icon that offers `groessen` and paints a picture of its own for every
// size in pixels it is asked for, the first time it is asked.
QIcon spaetesSymbol(QList<QSize> groessen, std::function<QPixmap(QSize)> malen);
