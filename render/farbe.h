// Colours as the drawing code names them: RGB triples and the classic 16-colour palette.
#pragma once

#include <array>
#include <cstdint>

struct Farbe {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Farbe&) const = default;
};

// Palette entry n (0 black ... 15 white); n outside 0..15 gives black.
constexpr Farbe paletteFarbe(int n)
{
    constexpr std::array<Farbe, 16> palette{{
        {0, 0, 0},       {0, 0, 128},     {0, 128, 0},     {0, 128, 128},
        {128, 0, 0},     {128, 0, 128},   {128, 128, 0},   {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},     {0, 255, 0},     {0, 255, 255},
        {255, 0, 0},     {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
    }};
    if (n < 0 || n >= static_cast<int>(palette.size()))
        return palette[0];
    return palette[static_cast<std::size_t>(n)];
}
