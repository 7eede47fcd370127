// Reading the leading number of a text, as the count box and the step counters do.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The longest leading part of `text` after blanks that forms a decimal number
// (sign, digits, fraction, exponent); 0 when there is none. Never throws; a
// number too large for a double gives +-infinity.
double fuehrendeZahl(std::string_view text);

// The leading number rounded to the nearest whole number, halves to the even
// neighbour; empty when it lies outside the signed 32-bit range.
std::optional<int> fuehrendeGanzzahl(std::string_view text);

// A counter box's text after one more step: leading number + 1, as decimal text.
std::string zaehlerErhoehen(std::string_view text);
