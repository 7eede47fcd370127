// The keyboard cursor's frame as the player sees it over a board.
#include <QImage>

#include <gtest/gtest.h>

#include "render/aussehen.h"
#include "render/geometrie.h"
#include "ui/cursorrahmen.h"
#include "ui/qtfarbe.h"
#include "ui/qtzeichenflaeche.h"

namespace {

// The frame's inner rings ran off its right and bottom sides, so that the
// magenta band showed on two sides only: from every side inwards, at the
// side's middle, a black line, three of magenta and a black line.
TEST(CursorFrame, ShowsTheSameRingsOnAllFourSides)
{
    QtZeichenflaeche brett;
    brett.ortSetzen(QRect(0, 0, 440, 440));
    brett.massstabSetzen(feldRandMin, feldRandMin, feldRandMax, feldRandMax);
    Cursorrahmen rahmen(&brett);
    rahmen.zeigen(3, 3);
    const QImage bild = rahmen.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(bild.size(), QSize(44, 44));
    const QColor k = qtFarbe(cursorKontur), m = qtFarbe(cursorFarbe);
    const std::vector<QColor> ringe{k, m, m, m, k};
    const int mitte = 22, letztes = 43;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(bild.pixelColor(i, mitte), ringe[std::size_t(i)]) << "left, ring " << i;
        EXPECT_EQ(bild.pixelColor(letztes - i, mitte), ringe[std::size_t(i)]) << "right, ring " << i;
        EXPECT_EQ(bild.pixelColor(mitte, i), ringe[std::size_t(i)]) << "top, ring " << i;
        EXPECT_EQ(bild.pixelColor(mitte, letztes - i), ringe[std::size_t(i)]) << "bottom, ring " << i;
    }
}

} // namespace
