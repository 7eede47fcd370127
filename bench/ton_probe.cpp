// Plays the game's two tones on the sound output and reports how long each call took.
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

#include "ui/pulseton.h"

namespace {

struct Schlaf : Zeitgeber {
    void warten(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

} // namespace

int main()
{
    PulseTonausgabe ausgabe(std::make_shared<Schlaf>());
    ausgabe.vorbereiten();
    // As in the game, where the player takes seconds before the first tone.
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    const int toene[][2] = {{360, 100}, {360, 100}, {240, 1000}, {360, 100}};
    for (const auto& t : toene) {
        const auto start = std::chrono::steady_clock::now();
        ausgabe.ton(t[0], t[1]);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::printf("%d Hz for %d ms: the call took %.1f ms\n", t[0], t[1], ms);
    }
    return 0;
}
