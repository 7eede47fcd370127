// Seams for window tests: dialogs that answer at once, waits and tones that
// only add up their time, a scripted random source and a recorded end.
#pragma once

#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "ui/dienste.h"

struct TestDialoge : Dialoge {
    struct Meldung {
        QString titel, text;
        bool symbol;
    };
    std::vector<Meldung> meldungen;
    // Answers of the next file dialogs; nothing means the player cancels.
    std::deque<std::optional<QString>> antworten;
    std::vector<QString> vorgaben;  // the name box's text each dialog was shown with
    std::vector<QString> ordner;

    std::optional<QString> dateiSpeichern(QWidget*, const QString& o, const QString& name) override { return antwort(o, name); }
    std::optional<QString> dateiOeffnen(QWidget*, const QString& o, const QString& name) override { return antwort(o, name); }
    void meldung(QWidget*, const QString& titel, const QString& text, bool symbol) override
    {
        meldungen.push_back({titel, text, symbol});
    }

private:
    std::optional<QString> antwort(const QString& o, const QString& name)
    {
        ordner.push_back(o);
        vorgaben.push_back(name);
        if (antworten.empty())
            return std::nullopt;
        const bool abgebrochen = !antworten.front().has_value();
        const QString pfad = abgebrochen ? QString() : *antworten.front();
        antworten.pop_front();
        if (abgebrochen)
            return std::nullopt;
        return pfad;
    }
};

struct TestZeit : Zeitgeber {
    long long gesamt = 0;
    long long aufrufe = 0;
    // Runs on every wait, e.g. to post a click that the next event pump handles.
    std::function<void(long long aufruf)> beiWarten;
    void warten(int ms) override
    {
        gesamt += ms;
        ++aufrufe;
        if (beiWarten)
            beiWarten(aufrufe);
    }
};

struct TestTon : Tonausgabe {
    std::vector<std::pair<int, int>> toene;
    void ton(int hz, int ms) override { toene.emplace_back(hz, ms); }
};

struct TestZufall : Zufallsquelle {
    std::mt19937 motor{12345};
    void saeen(double) override {}
    double ziehen() override { return std::uniform_real_distribution<double>(0.0, 1.0)(motor); }
};

struct TestUmgebung {
    std::shared_ptr<TestDialoge> dialoge = std::make_shared<TestDialoge>();
    std::shared_ptr<TestZeit> zeit = std::make_shared<TestZeit>();
    std::shared_ptr<TestTon> ton = std::make_shared<TestTon>();
    std::shared_ptr<TestZufall> zufall = std::make_shared<TestZufall>();
    int beendet = 0;

    Dienste dienste()
    {
        Dienste d;
        d.dialoge = dialoge;
        d.zeitgeber = zeit;
        d.tonausgabe = ton;
        d.zufall = zufall;
        d.tageszeit = [] { return 43200.0; };
        d.beenden = [this] { ++beendet; };
        return d;
    }
};
