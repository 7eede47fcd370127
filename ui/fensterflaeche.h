// The bare window surface under all controls: its two edge lines and the pointer moves that reach it.
#pragma once

#include <QWidget>

// The layout's unit: 15 twips a pixel at the design resolution.
inline constexpr int twipsProPixel = 15;

// It grows with the window; the controls keep their places.
class Fensterflaeche : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return minimumSize(); }

signals:
    // The pointer moved over the bare surface, or over a disabled control
    // whose nearest enabled container is the surface: as on the original
    // platform, a disabled control's pointer events go there.
    void bewegt();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
};
