// PulseAudio tone output (PipeWire serves the same API).
#include "ui/pulseton.h"

#include <pulse/simple.h>

#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <type_traits>

namespace {

// The few calls of the simple API, looked up once in the library loaded at
// run time; all null when it is not installed.
struct PulseAufrufe {
    decltype(&pa_simple_new) neu = nullptr;
    decltype(&pa_simple_write) schreiben = nullptr;
    decltype(&pa_simple_drain) leeren = nullptr;
    decltype(&pa_simple_free) freigeben = nullptr;
    decltype(&pa_usec_to_bytes) zeitInBytes = nullptr;

    bool da() const { return neu && schreiben && leeren && freigeben && zeitInBytes; }
};

const PulseAufrufe& pulse()
{
    static const PulseAufrufe aufrufe = [] {
        PulseAufrufe a;
        // Never closed: the library stays for the program's life.
        void* bibliothek = ::dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!bibliothek)
            return a;
        const auto holen = [bibliothek](auto& zeiger, const char* name) {
            zeiger = reinterpret_cast<std::remove_reference_t<decltype(zeiger)>>(::dlsym(bibliothek, name));
        };
        holen(a.neu, "pa_simple_new");
        holen(a.schreiben, "pa_simple_write");
        holen(a.leeren, "pa_simple_drain");
        holen(a.freigeben, "pa_simple_free");
        holen(a.zeitInBytes, "pa_usec_to_bytes");
        return a;
    }();
    return aufrufe;
}

constexpr double blendeMs = 5.0;
constexpr double lautstaerke = 0.35;
// After a failed open, this many tones pass silently before the next attempt.
constexpr int wartenBisNeuerVersuch = 20;

} // namespace

std::unique_ptr<short[]> tonWelle(int hertz, int millisekunden, int rate, std::size_t& anzahl)
{
    anzahl = millisekunden > 0 ? static_cast<std::size_t>(static_cast<long long>(millisekunden) * rate / 1000) : 0;
    auto welle = std::make_unique<short[]>(std::max<std::size_t>(anzahl, 1));
    const double blende = std::min(blendeMs * rate / 1000.0, anzahl / 2.0);
    for (std::size_t i = 0; i < anzahl; ++i) {
        double huelle = 1.0;
        const double vomEnde = static_cast<double>(anzahl - 1 - i);
        if (blende > 0.0)
            huelle = std::min({1.0, i / blende, vomEnde / blende});
        const double wert = std::sin(2.0 * std::numbers::pi * hertz * static_cast<double>(i) / rate);
        welle[i] = static_cast<short>(std::lround(32767.0 * lautstaerke * huelle * wert));
    }
    return welle;
}

PulseTonausgabe::PulseTonausgabe(std::shared_ptr<Zeitgeber> zeitgeber) : zeitgeber_(std::move(zeitgeber)) {}

void PulseTonausgabe::vorbereiten()
{
    if (vorbereitet_)
        return;
    vorbereitet_ = true;
    // Until the first tone joins it, only this thread touches the stream.
    vorbereitung_ = std::thread([this] {
        if (oeffnen()) {
            // A few milliseconds of silence wake the sink up.
            static const short stille[441] = {};
            int fehler = 0;
            pulse().schreiben(strom_, stille, sizeof stille, &fehler);
        }
    });
}

PulseTonausgabe::~PulseTonausgabe()
{
    vorbereitungAbwarten();
    schliessen();
}

void PulseTonausgabe::vorbereitungAbwarten()
{
    if (vorbereitung_.joinable())
        vorbereitung_.join();
}

bool PulseTonausgabe::oeffnen()
{
    if (strom_)
        return true;
    if (fehlversuche_ > 0 && stilleToene_ < wartenBisNeuerVersuch)
        return false;
    stilleToene_ = 0;
    const PulseAufrufe& pa = pulse();
    if (!pa.da()) {
        ++fehlversuche_;
        return false;
    }

    pa_sample_spec format{};
    format.format = PA_SAMPLE_S16LE;
    format.rate = abtastrate;
    format.channels = 1;
    // A small buffer keeps the time from writing to hearing short.
    pa_buffer_attr puffer{};
    puffer.maxlength = static_cast<uint32_t>(-1);
    puffer.tlength = static_cast<uint32_t>(pa.zeitInBytes(20000, &format));
    puffer.prebuf = static_cast<uint32_t>(-1);
    puffer.minreq = static_cast<uint32_t>(-1);
    puffer.fragsize = static_cast<uint32_t>(-1);
    int fehler = 0;
    strom_ = pa.neu(nullptr, "Tarnkiste", PA_STREAM_PLAYBACK, nullptr, "Ton", &format, nullptr, &puffer, &fehler);
    if (!strom_)
        ++fehlversuche_;
    else
        fehlversuche_ = 0;
    return strom_ != nullptr;
}

void PulseTonausgabe::schliessen()
{
    if (strom_)
        pulse().freigeben(strom_);
    strom_ = nullptr;
}

void PulseTonausgabe::ton(int hertz, int millisekunden)
{
    if (millisekunden <= 0)
        return;
    vorbereitungAbwarten();
    if (!oeffnen()) {
        ++stilleToene_;
        zeitgeber_->warten(millisekunden);
        return;
    }
    std::size_t anzahl = 0;
    const auto welle = tonWelle(hertz, millisekunden, abtastrate, anzahl);
    int fehler = 0;
    if (pulse().schreiben(strom_, welle.get(), anzahl * sizeof(short), &fehler) < 0 ||
        pulse().leeren(strom_, &fehler) < 0) {
        // The server went away: keep the pace silently and reconnect later.
        schliessen();
        ++fehlversuche_;
        zeitgeber_->warten(millisekunden);
    }
}
