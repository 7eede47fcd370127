// The framing of a box text around its payload: check value, whitening, base 58 and prefix.
#pragma once

#include <cstdint>
#include <span>
#include <string>

// Frames payload bytes (least significant byte first). The encoder builds on
// it, and it frames correctly a payload that no box gives, which the reader
// must refuse.
std::string kistentextAusNutzlast(std::span<const std::uint8_t> nutzlast);
