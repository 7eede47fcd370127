// The window "Beobachtungen": every hidden launch in a table, and how many of them the model explains.
#pragma once

#include <QWidget>

#include "model/feld.h"

class QCheckBox;
class QLabel;
class QTableView;
class Beobachtungsmodell;

// A window of its own beside the game, non-modal; it shows, and changes
// nothing in the game.
class Beobachtungsfenster : public QWidget {
    Q_OBJECT
public:
    explicit Beobachtungsfenster(QWidget* eltern = nullptr);

    // Shows the rows with their marks against `nachbau`, the newest in view.
    void zeigen(const std::vector<Beobachtung>& zeilen, const Feld& nachbau);
    // The table takes the focus on its newest row, selected, as the window opens.
    void aufNeuesteZeile();

    QTableView* tabelle() const { return tabelle_; }
    QLabel* zusammenfassung() const { return zusammenfassung_; }
    // "Marken am Rand": the launches marked on the hidden board's ring, on at first.
    QCheckBox* marken() const { return marken_; }
    const Beobachtungsmodell& modell() const { return *modell_; }

signals:
    // A row was double-clicked: the launch it records.
    void zeileGewaehlt(const Beobachtung& beobachtung);
    void markenUmgeschaltet(bool an);

private:
    Beobachtungsmodell* modell_;
    QTableView* tabelle_;
    QLabel* zusammenfassung_;
    QCheckBox* marken_;
};
