// The change notices, and the record's change told once per handler.
#include "ui/spielmeldungen.h"

#include <QTimer>

Spielmeldungen::Spielmeldungen(QObject* eltern) : QObject(eltern)
{
    // The record's marks are held against the model: a model cell changes
    // them, and a box given anew empties the record.
    connect(this, &Spielmeldungen::zelleGeaendert, this, [this](Seite seite, int, int, int) {
        if (seite == Seite::Nachbau)
            beobachtungenVormerken();
    });
    connect(this, &Spielmeldungen::vorgabeNeu, this, &Spielmeldungen::beobachtungenVormerken);
}

void Spielmeldungen::beobachtungenVormerken()
{
    // Clearing the model changes 64 cells, and the record is replayed once for them.
    if (vorgemerkt_)
        return;
    vorgemerkt_ = true;
    QTimer::singleShot(0, this, [this] {
        vorgemerkt_ = false;
        emit beobachtungenGeaendert();
    });
}
