// A style for wide buttons: their panel is painted from a narrow strip.
#pragma once

#include <QProxyStyle>

// Fusion paints a button's panel into a picture of the button's full size
// first; for the wide start button that picture raises the peak of the idle
// start screen (bench case `start/ohne-streifenstil`). Its panel is the same in every column between the rounded ends (a vertical
// gradient, straight top and bottom lines), so this style has Fusion paint a
// strip with both ends and one middle column, and repeats that column across
// the width: the very pixels of the full panel, from a few kilobytes. Other
// styles, whose panels need not be alike across, paint as they always do.
class StreifenStil : public QProxyStyle {
public:
    // Paints as a style of the application's kind.
    StreifenStil() = default;
    // Paints as `basis` and owns it.
    explicit StreifenStil(QStyle* basis) : QProxyStyle(basis) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* maler,
                       const QWidget* widget = nullptr) const override;

    // Columns at each end that the rounded corners and the outline reach.
    static constexpr int endbreite = 8;
};
