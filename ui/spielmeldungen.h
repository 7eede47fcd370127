// The game state's change notices: a cell of either field, the box given anew, the record of launches.
#pragma once

#include <QObject>

#include "model/feld.h"

// Those who show the game subscribe here instead of hooking into whoever
// changed it: the boards, the record window and the screen reader's names.
// A cell and a new box are told at once; the record's change is told once
// the running handler is done, once for any number of changes in it.
class Spielmeldungen : public QObject {
    Q_OBJECT
public:
    explicit Spielmeldungen(QObject* eltern = nullptr);

    // The record, or the model it is held against, has changed.
    void beobachtungenVormerken();

signals:
    // A cell of a field has a new code.
    void zelleGeaendert(Seite seite, int code, int x, int y);
    // The hidden field got new contents: they are the box as given, and the record is empty.
    void vorgabeNeu();
    void beobachtungenGeaendert();

private:
    bool vorgemerkt_ = false;
};
