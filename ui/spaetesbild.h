// Pictures painted when they are first shown, not when the window is built.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

#include <functional>

using Bildmaler = std::function<QPixmap()>;

// An icon of the logical size `groesse` whose picture `malen` paints on the
// first request; from then on it behaves exactly as QIcon(picture). Until
// the window shows it, nothing is painted.
QIcon spaetesSymbol(QSize groesse, Bildmaler malen);
