// Names of the object codes, in UTF-8.
#include "model/objektname.h"

#include "model/feld.h"

std::string objektName(int code)
{
    switch (code) {
    case Leer: return "leer";
    case Katzenauge: return "Katzenauge";
    case UmlenkspiegelSteigend: return "Umlenkspiegel steigend";
    case UmlenkspiegelFallend: return "Umlenkspiegel fallend";
    case DrehspiegelWaagerecht: return "Drehspiegel waagerecht";
    case DrehspiegelSenkrecht: return "Drehspiegel senkrecht";
    case HalbspiegelNO: return "Halbdurchlässiger Spiegel, spiegelt oben rechts";
    case HalbspiegelSW: return "Halbdurchlässiger Spiegel, spiegelt unten links";
    case HalbspiegelNW: return "Halbdurchlässiger Spiegel, spiegelt oben links";
    case HalbspiegelSO: return "Halbdurchlässiger Spiegel, spiegelt unten rechts";
    case SchwarzesLoch: return "Schwarzes Loch";
    case Falltuer: return "Falltür";
    default: return {};
    }
}
