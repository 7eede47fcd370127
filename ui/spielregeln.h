// The rules window: how the game is played and what every object does, with pictures drawn from the rules.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

#include "model/regelbeispiel.h"

class QScrollArea;

// A top-level window of its own, shown without blocking the game. It knows
// nothing of a running game: its text is fixed and its pictures are
// computed from the rules alone when it is made, at the device pixel ratio
// of the screen it starts on. Closing it only hides it, so the one who
// opens it can keep it and show it again.
//
// The pictures are QLabels named "regelbild-<code>-<N|O|S|W>" by object
// code and the probe's heading; for the objects that change as a probe
// passes (rotating mirror, trapdoor) "danachbild-<code>-<heading>" shows the
// object afterwards. Headings are QLabels named "ueberschrift".
class Spielregeln : public QWidget {
    Q_OBJECT
public:
    explicit Spielregeln(QWidget* eltern = nullptr);

    static QString titel();

    // The pictures as the window shows them, at the given device pixel ratio.
    static QPixmap regelbild(const Regelbeispiel& beispiel, qreal verhaeltnis);
    static QPixmap danachbild(const Regelbeispiel& beispiel, qreal verhaeltnis);

    QScrollArea* rollbereich() const { return rollbereich_; }
    // Everything the window shows, at its full height inside the scroll area.
    QWidget* inhalt() const { return inhalt_; }

private:
    QScrollArea* rollbereich_ = nullptr;
    QWidget* inhalt_ = nullptr;
};
