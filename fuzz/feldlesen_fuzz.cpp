// libFuzzer target for reading field files: arbitrary bytes through feldLaden, checked against its contract.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/felddatei.h"
#include "model/zellenanzeige.h"

namespace {

[[noreturn]] void verletzt(const char* was)
{
    std::fprintf(stderr, "feldlesen_fuzz: %s\n", was);
    std::abort();
}

// Keeps the cells feldLaden draws.
struct Zeichnungen : ZellenAnzeige {
    struct Zelle {
        Seite seite;
        int code, x, y;
    };
    std::vector<Zelle> zellen;

    void zelleGeaendert(Seite seite, int code, int x, int y) override { zellen.push_back({seite, code, x, y}); }
    void vorgabeNeu() override {}
};

// The file format written down independently of the reader: lines end in LF,
// one CR before it is dropped, the last line may lack its LF; a line holds at
// most 4096 characters of blanks (space, tab), an optional sign and a decimal
// whole number 0..11 (-0 included). Returns the codes of the leading good lines.
std::vector<int> erwarteteCodes(std::string_view text)
{
    std::vector<int> codes;
    while (codes.size() < feldGroesse * feldGroesse && !text.empty()) {
        const std::size_t lf = text.find('\n');
        std::string_view zeile = text.substr(0, lf);
        text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
        if (zeile.ends_with('\r'))
            zeile.remove_suffix(1);
        if (zeile.size() > 4096)
            break;
        const auto blank = [](char c) { return c == ' ' || c == '\t'; };
        while (!zeile.empty() && blank(zeile.front()))
            zeile.remove_prefix(1);
        while (!zeile.empty() && blank(zeile.back()))
            zeile.remove_suffix(1);
        bool negativ = false;
        if (!zeile.empty() && (zeile.front() == '+' || zeile.front() == '-')) {
            negativ = zeile.front() == '-';
            zeile.remove_prefix(1);
        }
        if (zeile.empty() || zeile.find_first_not_of("0123456789") != std::string_view::npos)
            break;
        const std::size_t erste = zeile.find_first_not_of('0');
        const std::string_view ziffern = erste == std::string_view::npos ? "0" : zeile.substr(erste);
        if (ziffern.size() > 2)
            break;
        const int wert = std::stoi(std::string(ziffern));
        if (wert > 11 || (negativ && wert != 0))
            break;
        codes.push_back(wert);
    }
    return codes;
}

// One anonymous in-memory file per process, rewritten for every input and
// opened by path through its /proc/self/fd link.
struct Eingabedatei {
    int fd = -1;
    std::string pfad;

    Eingabedatei()
    {
        fd = ::memfd_create("feldlesen", MFD_CLOEXEC);
        if (fd < 0)
            verletzt("memfd_create failed");
        pfad = "/proc/self/fd/" + std::to_string(fd);
    }

    void fuellen(const std::uint8_t* daten, std::size_t groesse) const
    {
        if (::ftruncate(fd, 0) != 0)
            verletzt("ftruncate failed");
        std::size_t geschrieben = 0;
        while (geschrieben < groesse) {
            const ssize_t n = ::pwrite(fd, daten + geschrieben, groesse - geschrieben, static_cast<off_t>(geschrieben));
            if (n <= 0)
                verletzt("pwrite failed");
            geschrieben += static_cast<std::size_t>(n);
        }
    }

    // The lowest free descriptor number: changes when a call leaves a file open.
    int naechsterDeskriptor() const
    {
        const int d = ::dup(fd);
        if (d < 0)
            verletzt("dup failed");
        ::close(d);
        return d;
    }
};

// A recognisable field that is still all valid codes, so untouched cells can be told apart.
Feld muster()
{
    Feld f;
    for (int y = 0; y < feldGroesse; ++y)
        for (int x = 0; x < feldGroesse; ++x)
            f(x, y) = (7 * (y * feldGroesse + x) + 5) % anzahlCodes;
    return f;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    static const Eingabedatei datei;
    static const Feld vorher = muster();
    datei.fuellen(daten, groesse);

    Feld feld = vorher;
    Zeichnungen anzeige;
    // Alternate the side so that it is seen to pass through unchanged.
    const Seite seite = groesse % 2 == 0 ? Seite::Vorgabe : Seite::Nachbau;
    const int deskriptor = datei.naechsterDeskriptor();
    const int gelesen = feldLaden(datei.pfad, feld, seite, anzeige);

    if (gelesen < 0 || gelesen > feldGroesse * feldGroesse)
        verletzt("count outside 0..64");
    if (datei.naechsterDeskriptor() != deskriptor)
        verletzt("file left open");
    if (anzeige.zellen.size() != static_cast<std::size_t>(gelesen))
        verletzt("drawn cells differ from the count");

    const std::vector<int> erwartet =
        erwarteteCodes(std::string_view(reinterpret_cast<const char*>(daten), groesse));
    if (erwartet.size() != static_cast<std::size_t>(gelesen))
        verletzt("count differs from the format's good leading lines");

    for (int i = 0; i < feldGroesse * feldGroesse; ++i) {
        const int x = i % feldGroesse;
        const int y = i / feldGroesse;
        if (!gueltigerCode(feld(x, y)))
            verletzt("cell holds no code 0..11");
        if (i >= gelesen) {
            if (feld(x, y) != vorher(x, y))
                verletzt("cell past the count changed");
            continue;
        }
        const auto& z = anzeige.zellen[static_cast<std::size_t>(i)];
        if (z.x != x || z.y != y)
            verletzt("cells not drawn in row order");
        if (z.seite != seite || z.code != feld(x, y))
            verletzt("drawn cell differs from the stored one");
        if (feld(x, y) != erwartet[static_cast<std::size_t>(i)])
            verletzt("stored code differs from the line's number");
    }
    return 0;
}
