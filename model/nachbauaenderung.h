// An edit of a field kept as the cells it changed, so that it can be undone and redone.
#pragma once

#include <vector>

#include "model/feld.h"
#include "model/zellenanzeige.h"

struct Zellaenderung {
    int x = 0;
    int y = 0;
    int vorher = 0;
    int nachher = 0;
    bool operator==(const Zellaenderung&) const = default;
};

// The cells in which `nachher` differs from `vorher`, x outer, y inner.
std::vector<Zellaenderung> zellaenderungen(const Feld& vorher, const Feld& nachher);

// Writes every changed cell's code from before the edit (rueckgaengig) or
// after it, and redraws just those cells. Cells the edit did not change are
// left as they are, whatever happened to them since.
void aenderungenAnwenden(Feld& feld, const std::vector<Zellaenderung>& aenderungen, bool rueckgaengig, Seite seite,
                         ZellenAnzeige& anzeige);
