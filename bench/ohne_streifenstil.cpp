// Stand-in for ui/streifenstil.cpp in a bench build of the program: the wide button painted as its base style paints it.
#include "ui/streifenstil.h"

void StreifenStil::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* maler,
                                 const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, maler, widget);
}
