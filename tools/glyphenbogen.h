// A sheet of all twelve glyphs of one field, the reference the glyph drawing is held to.
#pragma once

#include <QImage>
#include <QString>

#include "model/feld.h"

// The sheet is six cells wide and two high with half a cell of margin, at
// the boards' scale of 40 pixels a cell; code c sits in column c % 6 and row
// c / 6.
inline constexpr int bogenSpalten = 6;
inline constexpr int bogenZellPixel = 40;

QImage glyphenBogen(Seite seite, int verhaeltnis);
// The file name of a sheet, the same for the tool and the kept references.
QString glyphenBogenName(Seite seite, int verhaeltnis);

// The code whose cell holds the image pixel (x, y) of a sheet at `verhaeltnis`,
// or -1 in the margin.
int bogenCodeBei(int x, int y, int verhaeltnis);
