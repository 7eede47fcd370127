// The reference pictures the drawing is held to: a sheet of all twelve glyphs of one field, a board
// with every glyph and a trail, the compass in each heading.
#pragma once

#include <QImage>
#include <QString>

#include "model/feld.h"
#include "ui/rasterflaeche.h"

// Points fontconfig at the font environment of the tests and of this tool's
// pictures: the Liberation faces alone, rendered as on a bare Debian. Call
// before the application object is made, which reads the fonts.
void schriftenFestlegen();

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

// The game's four surfaces at the window's sizes, on the backgrounds the
// window gives them, just after the game's set-up has drawn on them: the
// fields at 440 x 440 pixels, the compass at 105 x 113 on the window's grey
// in its serif face, the blind at 343 x 343.
struct Spielflaechen {
    explicit Spielflaechen(int verhaeltnis);
    Rasterflaeche& feld(Seite seite) { return seite == Seite::Vorgabe ? vorgabe : nachbau; }

    Rasterflaeche vorgabe, nachbau, kompass, rollo;
};

// A field just after the set-up with every code on it, on the model field
// a trail line across the row labelled 2 too.
QImage brettBild(Seite seite, int verhaeltnis);
// The compass just after the set-up, turned to r, as the run panel shows it.
QImage kompassBild(Richtung r, int verhaeltnis);

// The kept file names: brett_Vorgabe_1x.png, kompass_nord_2x.png, ...
// Their text is rasterised a little differently by each minor version of the
// toolkit, so each keeps its own in a folder named by bildOrdnerDerVersion, "qt6.4".
QString brettBildName(Seite seite, int verhaeltnis);
QString kompassBildName(Richtung r, int verhaeltnis);
QString bildOrdnerDerVersion();
