// Tone outputs: a silent one that only takes the tone's time.
#pragma once

#include <memory>

#include "ui/dienste.h"

// Where no sound output exists: waits as long as the tone would sound.
class StilleTonausgabe : public Tonausgabe {
public:
    explicit StilleTonausgabe(std::shared_ptr<Zeitgeber> zeitgeber) : zeitgeber_(std::move(zeitgeber)) {}
    void ton(int, int millisekunden) override { zeitgeber_->warten(millisekunden); }

private:
    std::shared_ptr<Zeitgeber> zeitgeber_;
};
