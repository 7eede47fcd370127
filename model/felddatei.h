// Field files (.tkx): 64 lines of codes, rows top to bottom, columns left to right, CR LF.
#pragma once

#include <string>

#include "model/feld.h"
#include "model/zellenanzeige.h"

// The bytes of a field file for `feld`.
std::string feldAlsText(const Feld& feld);

// The name rule of saving: ".tkx" appended unless the path already ends in it
// (case-sensitive).
std::string mitEndungTkx(const std::string& pfad);

// Whether a path ends exactly in ".tkx"; opening refuses any other name.
bool endetAufTkx(const std::string& pfad);

// Writes `feld` to `pfad` (the name rule already applied). The lines go to a
// temporary file beside the target, which takes over the target's owner,
// group and permission bits and replaces it only once all was written; on
// failure the old file stays untouched. A symbolic link is followed and stays
// a link. A target without any write bit, or not writable for the player, is
// refused, and so is anything but a plain file. An existing target is
// instead emptied and written in place, once the new content is ready, when
// it has further hard links, when the new file cannot be given its owner and
// group, or when no new file can be made beside it; it then keeps inode,
// owner, group and links, but a failure midway leaves it damaged.
// Returns success.
bool feldSpeichern(const Feld& feld, const std::string& pfad);

// Reads codes into `feld` cell by cell (row by row), redrawing each cell on
// side `seite` at once, and stops silently at the first line that fails: an
// early end, a line without a whole number 0..11, or a line longer than 4096
// characters. Cells before keep their new codes. A missing file and anything
// but a plain file (after links) — a folder, a named pipe, a device — read
// nothing, and are told without waiting for a pipe's other end. Returns the
// cells read.
int feldLaden(const std::string& pfad, Feld& feld, Seite seite, ZellenAnzeige& anzeige);

// Loads a file into the hidden field; when any cell was read, the field as
// the load left it is the box as given. Returns the cells read.
int vorgabeLaden(const std::string& pfad, Spielstand& s, ZellenAnzeige& anzeige);
