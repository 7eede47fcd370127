// Whole numbers written the way the board labels show them.
#include "render/zahldruck.h"

std::string gedruckteZahl(int n)
{
    // Widened first so that the smallest int keeps its digits.
    const long long wert = n;
    std::string text = wert < 0 ? "-" : " ";
    text += std::to_string(wert < 0 ? -wert : wert);
    text += ' ';
    return text;
}
