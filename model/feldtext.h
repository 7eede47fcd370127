// A box as one short line of text, to pass on in a chat: encoding, tolerant reading, and loading it as the hidden box.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/feld.h"
#include "model/zellenanzeige.h"

// Why a text was refused.
enum class Textfehler {
    Leer,              // nothing but blanks
    KeinCode,          // characters no code contains
    FalscheVersion,    // a prefix of another format version ("TK2-")
    FalscheLaenge,     // too short, too long, or a length no code has
    FalschePruefsumme, // the check value does not match: mistyped
    UngueltigerCode,   // a cell beyond the last object code
};

// The result of reading a text: the box, or why there is none.
struct Textlesung {
    std::optional<Feld> feld;
    Textfehler fehler = Textfehler::Leer;  // meaningful only without a box
};

// The prefix every code starts with; its digit is the format version.
inline constexpr std::string_view codePrefix = "TK1-";

// The code of `feld`: the prefix and at most 44 characters of base 58, fewer
// for boxes with few objects. Equal boxes give equal codes.
std::string feldAlsCode(const Feld& feld);

// Reads a code. Blanks and line breaks anywhere are dropped; the prefix may
// be missing or in lower case.
Textlesung feldAusCode(std::string_view text);

// The framing alone: check value, whitening, base 58 and prefix around
// payload bytes (least significant byte first). `feldAlsCode` builds on it;
// it lets a payload that no box gives be framed correctly.
std::string codeAusNutzlast(std::span<const std::uint8_t> nutzlast);

// Reads a code into the hidden field, every cell redrawn on the hidden side,
// and makes it the box as given, as a loaded field file does. A refused text
// changes nothing; its reason is returned.
std::optional<Textfehler> vorgabeAusCode(std::string_view text, Spielstand& s, ZellenAnzeige& anzeige);
