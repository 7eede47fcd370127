// The game's one window.
#pragma once

#include <QWidget>

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
};
