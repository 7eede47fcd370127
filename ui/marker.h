// A probe marker: a yellow disc with a dark outline, placed in field units.
#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>

class QtZeichenflaeche;

// The marker keeps its place as floating field units and maps it to pixels
// only for display, so thousands of twelfth-steps never drift.
class Marker : public QWidget {
    Q_OBJECT
public:
    explicit Marker(QtZeichenflaeche* feld);

    QPointF ort() const { return ort_; }
    // The box's top-left corner in field units.
    void ortSetzen(QPointF ort);
    void verschieben(double ddx, double ddy);
    void fuellungSetzen(const QColor& farbe);
    QColor fuellung() const { return fuellung_; }
    // Maps the place to the field picture's pixels (also after its scale changed).
    void anpassen();

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QtZeichenflaeche* feld_;
    QPointF ort_;
    QColor fuellung_;
};
