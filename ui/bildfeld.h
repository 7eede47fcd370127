// A picture control: a background colour, an optional picture, a tag text.
#pragma once

#include <QPixmap>
#include <QWidget>

class Bildfeld : public QWidget {
    Q_OBJECT
public:
    explicit Bildfeld(QWidget* parent = nullptr);

    void setzeBild(const QPixmap& bild, bool strecken = false);
    void setzeHintergrund(const QColor& farbe);
    // A thin sunken border, as picture boxes have.
    void setzeRahmen(bool an);
    QColor hintergrund() const { return hintergrund_; }
    // A free text the program keeps with the control (the border switches' state).
    QString tag;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QPixmap bild_;
    bool strecken_ = false;
    bool rahmen_ = false;
    QColor hintergrund_{255, 255, 255};
};
