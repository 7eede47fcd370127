// Mouse editing of the model field: which code a clicked cell gets.
#pragma once

#include "model/generator.h"

// Mouse button codes as the pointer events report them.
inline constexpr int knopfLinks = 1;
inline constexpr int knopfRechts = 2;
inline constexpr int knopfMitte = 4;

// The code after a click with `knopf` on a cell holding `code`: (c - 9 + 10b)
// mod 12 repeated until the code is allowed, so the left button steps one on,
// the right one back and the middle seven on. Code 0 is always reachable, so
// the search ends; an unknown button leaves the code as it is.
int naechsterCode(int code, int knopf, const Erlaubnis& erlaubt);
