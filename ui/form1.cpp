// The game's one window: caption and fixed client size.
#include "ui/form1.h"

Form1::Form1(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Tarnkiste Prototyp"));
    setFixedSize(1082, 709);
}
