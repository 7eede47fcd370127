// Real tones on the desktop's sound output through PulseAudio's simple API.
#pragma once

#include <memory>
#include <thread>

#include "ui/dienste.h"

struct pa_simple;

// Plays a sine tone and returns once it has been heard: the samples are
// written, then the stream is drained. The output is opened once and kept;
// where none can be opened the tone's time passes silently (tried again only
// after a while, and never reported per tone).
//
// The client library is loaded only when the output is first opened, so a
// program that has not yet begun to play neither links nor maps it (nor the
// many codec libraries it pulls in). Opening can run in the background
// (vorbereiten): a freshly created stream may stall its first drain for a
// long while (seconds on a sink that is just waking up), and the player
// needs longer than that to launch the first probe. The first tone waits for
// that opening to finish.
class PulseTonausgabe : public Tonausgabe {
public:
    explicit PulseTonausgabe(std::shared_ptr<Zeitgeber> zeitgeber);
    ~PulseTonausgabe() override;

    void vorbereiten() override;
    void ton(int hertz, int millisekunden) override;

    static constexpr int abtastrate = 44100;

private:
    bool oeffnen();
    void schliessen();

    void vorbereitungAbwarten();

    std::shared_ptr<Zeitgeber> zeitgeber_;
    std::thread vorbereitung_;
    bool vorbereitet_ = false;
    pa_simple* strom_ = nullptr;
    int fehlversuche_ = 0;
    int stilleToene_ = 0;
};

// One tone's samples: a sine of `hertz` over `millisekunden` at `rate`, faded in
// and out over a few milliseconds so that neither end clicks.
std::unique_ptr<short[]> tonWelle(int hertz, int millisekunden, int rate, std::size_t& anzahl);
