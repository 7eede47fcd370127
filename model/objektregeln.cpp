// The object rules: reflections, passes, captures and the changes objects undergo.
#include "model/objektregeln.h"

namespace {

// Code 3 and the half mirrors 6, 7 mirror on the falling diagonal, code 2 and
// 8, 9 on the rising one.
Richtung fallend(Richtung r) { return {r.dy, r.dx}; }
Richtung steigend(Richtung r) { return {-r.dy, -r.dx}; }

} // namespace

Wirkung objektWirkung(int code, Richtung r)
{
    switch (code) {
    case Katzenauge:
        return {{-r.dx, -r.dy}};
    case UmlenkspiegelSteigend:
        return {steigend(r)};
    case UmlenkspiegelFallend:
        return {fallend(r)};
    case DrehspiegelWaagerecht:
        return {{r.dx, -r.dy}};
    case DrehspiegelSenkrecht:
        return {{-r.dx, r.dy}};
    // Each half mirror reflects only on its mirrored side, i.e. for two incoming headings.
    case HalbspiegelNO:
        return {(r == sued || r == west) ? fallend(r) : r};
    case HalbspiegelSW:
        return {(r == nord || r == ost) ? fallend(r) : r};
    case HalbspiegelNW:
        return {(r == ost || r == sued) ? steigend(r) : r};
    case HalbspiegelSO:
        return {(r == nord || r == west) ? steigend(r) : r};
    case SchwarzesLoch:
        return {steht, true};
    default:
        return {r};
    }
}

int codeNachVerlassen(int code, Richtung r)
{
    if (code == Falltuer)
        return Katzenauge;
    if (code == DrehspiegelWaagerecht && r.dy != 0)
        return DrehspiegelSenkrecht;
    if (code == DrehspiegelSenkrecht && r.dx != 0)
        return DrehspiegelWaagerecht;
    return code;
}
