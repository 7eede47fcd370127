// The legend beside the hidden board: one row per picture with the object it shows, the places of the
// picture and of the box that allows the object, what a screen reader and the help line say, and its painter.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <array>

// One legend picture. Its place is at twips (240, oben), a square of
// `kante`; the allowed-object box stands at (960, oben).
struct Legendeneintrag {
    int bild;          // index among the legend pictures Picture1: 0..5 and 7, 6 stays empty
    int code;          // the object it shows
    int erlaubnis;     // the allowed-object box beside it
    int oben;          // top of picture and box, in twips
    int kante;         // side of the picture's place, in twips
    QSize groesse;     // the painted picture, in logical pixels
    const char* name;  // its accessible name
    const char* hilfe; // the help line's text
};

inline constexpr int anzahlLegendenbilder = 8;

// Top to bottom.
const std::array<Legendeneintrag, 7>& legende();

// The entry of picture `bild`, or nothing for 6 and indexes outside 0..7.
const Legendeneintrag* legendeneintrag(int bild);

// Picture `bild` painted, looking like a board cell with the object's glyph;
// a null pixmap where there is no such picture.
QPixmap legendenBildMalen(int bild, qreal pixelVerhaeltnis = 1.0);
// The same, the black hole taken from the program's resources where the
// build painted it (ratios 1 and 2 of the game's executable).
QPixmap legendenBild(int bild, qreal pixelVerhaeltnis = 1.0);
// legendenBild as an image, which any thread may make.
QImage legendenBildAlsImage(int bild, qreal pixelVerhaeltnis = 1.0);

inline constexpr int legendeSchwarzesLoch = 3;
inline constexpr int vorabVerhaeltnisse[] = {1, 2};
// The resource file name of the black hole painted at `verhaeltnis`.
QString vorabLochName(int verhaeltnis);
