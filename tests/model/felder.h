// ASCII fixtures for fields: one string per row, top row first.
#pragma once

#include <array>
#include <stdexcept>
#include <string>

#include "model/feld.h"

// '.' empty, 'K' cat's eye, '/' and '\' deflecting mirrors, '-' and '|' the
// rotating mirror lying and standing, '6'..'9' the half mirrors, '@' black
// hole, 'T' trapdoor.
inline int codeAusZeichen(char c)
{
    switch (c) {
    case '.': return Leer;
    case 'K': return Katzenauge;
    case '/': return UmlenkspiegelSteigend;
    case '\\': return UmlenkspiegelFallend;
    case '-': return DrehspiegelWaagerecht;
    case '|': return DrehspiegelSenkrecht;
    case '6': return HalbspiegelNO;
    case '7': return HalbspiegelSW;
    case '8': return HalbspiegelNW;
    case '9': return HalbspiegelSO;
    case '@': return SchwarzesLoch;
    case 'T': return Falltuer;
    default: throw std::invalid_argument(std::string("unknown cell character ") + c);
    }
}

inline Feld feldAus(const std::array<std::string, 8>& zeilen)
{
    Feld f;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            f(x, y) = codeAusZeichen(zeilen[static_cast<std::size_t>(y)].at(static_cast<std::size_t>(x)));
    return f;
}
