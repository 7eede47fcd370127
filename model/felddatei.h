// Field files (.tkx): 64 lines of codes, rows top to bottom, columns left to right, CR LF.
#pragma once

#include <string>

#include "model/feld.h"
#include "model/sondenanzeige.h"

// The bytes of a field file for `feld`.
std::string feldAlsText(const Feld& feld);

// The name rule of saving: ".tkx" appended unless the path already ends in it
// (case-sensitive).
std::string mitEndungTkx(const std::string& pfad);

// Whether a path ends exactly in ".tkx"; opening refuses any other name.
bool endetAufTkx(const std::string& pfad);

// Writes `feld` to `pfad` (the name rule already applied). The lines go to a
// temporary file beside the target, which replaces the target only once all
// was written; on failure the old file stays untouched. Returns success.
bool feldSpeichern(const Feld& feld, const std::string& pfad);

// Reads codes into feldVorgabe cell by cell (row by row), redrawing each cell
// at once, and stops silently at the first line that fails: a missing file,
// an early end, a line without a whole number 0..11, or a line longer than 64
// characters. Cells before keep their new codes. Returns the cells read.
int feldLaden(const std::string& pfad, Feld& feld, Seite seite, SondenAnzeige& anzeige);
