// The one conversion between the drawing layer's colours and Qt's.
#pragma once

#include <QColor>

#include "render/farbe.h"

inline QColor qtFarbe(Farbe f) { return QColor(f.r, f.g, f.b); }

inline Farbe alsFarbe(const QColor& c)
{
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}
