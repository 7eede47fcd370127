// Wide button panels painted from a strip: the very pixels Fusion paints, in every state.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>

#include <memory>

#include "ui/streifenstil.h"

namespace {

struct Zustand {
    const char* name;
    QStyle::State zustand;
    QStyleOptionButton::ButtonFeatures merkmale;
};

QImage panel(const QStyle& stil, const QStyleOptionButton& option, qreal verhaeltnis)
{
    QImage bild(option.rect.size() * verhaeltnis, QImage::Format_ARGB32_Premultiplied);
    bild.setDevicePixelRatio(verhaeltnis);
    bild.fill(QColor(255, 255, 192));
    QPainter p(&bild);
    stil.drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &p);
    return bild;
}

TEST(WideButtonStyle, PaintsFusionsPixelsInEveryState)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    ASSERT_TRUE(fusion);
    const StreifenStil streifen(QStyleFactory::create(QStringLiteral("Fusion")));
    const QStyle::State an = QStyle::State_Enabled | QStyle::State_Raised;
    const Zustand zustaende[] = {
        {"plain", an, {}},
        {"focused", an | QStyle::State_HasFocus, {}},
        {"under the mouse", an | QStyle::State_MouseOver, {}},
        {"pressed", QStyle::State_Enabled | QStyle::State_Sunken, {}},
        {"disabled", QStyle::State_Raised, {}},
        {"default button", an, QStyleOptionButton::DefaultButton},
    };
    QPalette palette = fusion->standardPalette();
    palette.setColor(QPalette::Button, QColor(255, 255, 192));
    for (const Zustand& z : zustaende)
        for (const QSize groesse : {QSize(993, 177), QSize(60, 23)})
            for (const qreal verhaeltnis : {1.0, 2.0}) {
                QStyleOptionButton option;
                option.rect = QRect(QPoint(0, 0), groesse);
                option.state = z.zustand;
                option.features = z.merkmale;
                option.palette = palette;
                EXPECT_EQ(panel(streifen, option, verhaeltnis), panel(*fusion, option, verhaeltnis))
                    << z.name << " at " << groesse.width() << "x" << groesse.height() << ", ratio " << verhaeltnis;
            }
}

} // namespace
