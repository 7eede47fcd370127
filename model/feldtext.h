// A box as one short line of text, to pass on in a chat: encoding, tolerant reading, and loading it as the hidden box.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/feld.h"
#include "model/zellenanzeige.h"

// A box text is what the player passes on: "TK1-" and base-58 letters. The
// word "code" is kept for an object's number in a cell.

// Why a text was refused.
enum class Textfehler {
    Leer,              // nothing but blanks
    KeinKistentext,    // characters no box text contains
    FalscheVersion,    // a prefix of another format version ("TK2-")
    FalscheLaenge,     // too short, too long, or a length no box text has
    FalschePruefsumme, // the check value does not match: mistyped
    UngueltigerCode,   // a cell beyond the last object code
};

// The result of reading a text: the box, or why there is none.
struct Textlesung {
    std::optional<Feld> feld;
    Textfehler fehler = Textfehler::Leer;  // meaningful only without a box
};

// The prefix every box text starts with; its digit is the format version.
inline constexpr std::string_view kistentextPrefix = "TK1-";

// The box text of `feld`: the prefix and at most 44 characters of base 58,
// fewer for boxes with few objects. Equal boxes give equal texts.
std::string feldAlsKistentext(const Feld& feld);

// Reads a box text. Blanks and line breaks anywhere are dropped; the prefix
// may be missing or in lower case.
Textlesung feldAusKistentext(std::string_view text);

// Reads a box text into the hidden field, every cell redrawn on the hidden
// side, and makes it the box as given, as a loaded field file does. A refused
// text changes nothing; its reason is returned.
std::optional<Textfehler> vorgabeAusKistentext(std::string_view text, Spielstand& s, ZellenAnzeige& anzeige);
