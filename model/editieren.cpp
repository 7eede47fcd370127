// Object cycling on the model field.
#include "model/editieren.h"

int naechsterCode(int code, int knopf, const Erlaubnis& erlaubt)
{
    if (knopf != knopfLinks && knopf != knopfRechts && knopf != knopfMitte)
        return code;
    const int schritt = ((10 * knopf - 9) % anzahlCodes + anzahlCodes) % anzahlCodes;
    int c = ((code % anzahlCodes) + anzahlCodes) % anzahlCodes;
    for (int versuch = 0; versuch < anzahlCodes; ++versuch) {
        c = (c + schritt) % anzahlCodes;
        if (c == Leer || erlaubt[static_cast<std::size_t>(c)])
            return c;
    }
    return Leer;
}
