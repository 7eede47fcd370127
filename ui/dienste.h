// The window's seams to the platform: dialogs, waiting, tones, randomness, time and ending.
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "model/generator.h"

class QWidget;

// Modal dialogs; tests replace them so that no test ever blocks on a window.
class Dialoge {
public:
    virtual ~Dialoge() = default;
    // The chosen path, or nothing when the player cancelled.
    virtual std::optional<QString> dateiSpeichern(QWidget* eltern, const QString& ordner, const QString& name) = 0;
    virtual std::optional<QString> dateiOeffnen(QWidget* eltern, const QString& ordner, const QString& name) = 0;
    // A message with an OK button only; `symbol` adds a warning icon.
    virtual void meldung(QWidget* eltern, const QString& titel, const QString& text, bool symbol) = 0;
};

// Blocks the thread for a number of milliseconds without letting events run.
class Zeitgeber {
public:
    virtual ~Zeitgeber() = default;
    virtual void warten(int millisekunden) = 0;
};

// Plays a tone and returns once it has ended; never lets events run.
class Tonausgabe {
public:
    virtual ~Tonausgabe() = default;
    // The game is about to begin: the output may get ready in the background,
    // so that the first tone sounds at once.
    virtual void vorbereiten() {}
    virtual void ton(int hertz, int millisekunden) = 0;
};

struct Dienste {
    std::shared_ptr<Dialoge> dialoge;
    std::shared_ptr<Zeitgeber> zeitgeber;
    std::shared_ptr<Tonausgabe> tonausgabe;
    std::shared_ptr<Zufallsquelle> zufall;
    // Seconds since midnight, with their fraction; seeds each generation.
    std::function<double()> tageszeit;
    // Ends the program at once, from wherever it is called.
    std::function<void()> beenden;
};

// The real platform: Qt dialogs, sleeping, the sound output, the clock, exit.
Dienste echteDienste();
