// Field files: replacing through a temporary file or in place, and strict, bounded reading of plain files.
#include "model/felddatei.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

constexpr std::string_view endung = ".tkx";

// Longest line content accepted, without its line end. A code needs at most
// three characters; the slack admits any sensible number of blanks around
// it, the bound keeps a file without line ends from being read whole.
constexpr std::size_t laengsteZeile = 4096;

struct DateiSchliessen {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using DateiZeiger = std::unique_ptr<std::FILE, DateiSchliessen>;

// A name for the temporary file, in the target's folder so that the final
// rename stays on one file system. The leading dot hides a leftover after a
// crash from the file dialogs; exclusive creation makes collisions harmless.
fs::path temporaerName(const fs::path& ziel, unsigned versuch)
{
    static std::atomic<std::uint64_t> zaehler{0};
    const auto zeit = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    const std::uint64_t kennung = zeit ^ (zaehler.fetch_add(1) * 0x9E3779B97F4A7C15ull) ^ versuch;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(kennung));
    return ziel.parent_path() / (".tarnkiste-" + std::string(hex) + ".tmp");
}

// Opens a new file that did not exist before ("x": fails instead of reusing one).
DateiZeiger temporaerAnlegen(const fs::path& ziel, fs::path& name)
{
    for (unsigned versuch = 0; versuch < 16; ++versuch) {
        name = temporaerName(ziel, versuch);
        if (std::FILE* f = std::fopen(name.string().c_str(), "wbx"))
            return DateiZeiger(f);
    }
    return nullptr;
}

bool allesSchreiben(DateiZeiger datei, const std::string& inhalt)
{
    std::FILE* f = datei.get();
    bool gut = std::fwrite(inhalt.data(), 1, inhalt.size(), f) == inhalt.size();
    gut = gut && std::fflush(f) == 0;
#if defined(__unix__) || defined(__APPLE__)
    // The data must be on the disk before the rename makes it the target;
    // otherwise a crash could leave an empty file in place of the old one.
    gut = gut && ::fsync(::fileno(f)) == 0;
#endif
    // fclose reports write errors that buffering may have deferred.
    return std::fclose(datei.release()) == 0 && gut;
}

// The file a path names, after following symbolic links (a relative link
// from the link's own folder). Nothing for a loop of links.
std::optional<fs::path> linkZiel(fs::path pfad)
{
    for (int sprung = 0; sprung < 40; ++sprung) {
        std::error_code fehler;
        if (!fs::is_symlink(fs::symlink_status(pfad, fehler)))
            return pfad;
        const fs::path ziel = fs::read_symlink(pfad, fehler);
        if (fehler)
            return std::nullopt;
        pfad = ziel.is_absolute() ? ziel : pfad.parent_path() / ziel;
    }
    return std::nullopt;
}

// A file without any write bit counts as protected also for the superuser,
// who could write it anyway: the protection the player set always holds.
bool schreibgeschuetzt(const fs::path& pfad, const fs::file_status& status)
{
    constexpr fs::perms schreiben = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & schreiben) == fs::perms::none)
        return true;
#if defined(__unix__) || defined(__APPLE__)
    return ::access(pfad.c_str(), W_OK) != 0;
#else
    return false;
#endif
}

#if defined(__unix__) || defined(__APPLE__)
// A descriptor for `pfad` (links followed) when it names a plain file, else -1.
// O_NONBLOCK keeps the open itself from waiting: a pipe without a writer (or
// reader) would block the window's only thread until the program is killed.
// The flag is cleared once the file is known to be plain, so reads and
// writes behave as usual.
int einfacheDateiOeffnen(const char* pfad, int zugriff)
{
    const int fd = ::open(pfad, zugriff | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info {};
    int flags = -1;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || (flags = ::fcntl(fd, F_GETFL)) < 0 ||
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A C stream on a descriptor; the descriptor is closed when no stream can be made.
DateiZeiger alsStrom(int fd, const char* modus)
{
    if (fd < 0)
        return nullptr;
    std::FILE* f = ::fdopen(fd, modus);
    if (!f)
        ::close(fd);
    return DateiZeiger(f);
}
#endif

// Empties the existing file and writes the ready bytes into it. The file keeps
// its inode and with it owner, group, permission bits and hard links; unlike
// the rename, a failure midway leaves it damaged.
bool anOrtSchreiben(const fs::path& ziel, const std::string& inhalt)
{
#if defined(__unix__) || defined(__APPLE__)
    DateiZeiger datei = alsStrom(einfacheDateiOeffnen(ziel.c_str(), O_WRONLY), "wb");
    // fdopen does not truncate; emptying only once the stream exists keeps
    // the old content when even that fails.
    if (!datei || ::ftruncate(::fileno(datei.get()), 0) != 0)
        return false;
    return allesSchreiben(std::move(datei), inhalt);
#else
    std::FILE* f = std::fopen(ziel.string().c_str(), "wb");
    return f && allesSchreiben(DateiZeiger(f), inhalt);
#endif
}

// Opens a field file for reading; nothing for anything but a plain file
// (where the platform can tell without blocking).
DateiZeiger zumLesenOeffnen(const std::string& pfad)
{
    if (pfad.empty())
        return nullptr;
#if defined(__unix__) || defined(__APPLE__)
    return alsStrom(einfacheDateiOeffnen(pfad.c_str(), O_RDONLY), "rb");
#else
    return DateiZeiger(std::fopen(pfad.c_str(), "rb"));
#endif
}

bool istBlank(char c) { return c == ' ' || c == '\t'; }

// One line's code: blanks, an optional sign, digits, blanks, nothing else;
// the value must be a code 0..11.
std::optional<int> codeAusZeile(std::string_view zeile)
{
    std::size_t i = 0;
    const std::size_t n = zeile.size();
    while (i < n && istBlank(zeile[i]))
        ++i;
    bool negativ = false;
    if (i < n && (zeile[i] == '+' || zeile[i] == '-')) {
        negativ = zeile[i] == '-';
        ++i;
    }
    const std::size_t zifferAnfang = i;
    int wert = 0;
    for (; i < n && zeile[i] >= '0' && zeile[i] <= '9'; ++i) {
        wert = wert * 10 + (zeile[i] - '0');
        if (wert >= anzahlCodes)
            return std::nullopt; // stays small: no overflow on long digit runs
    }
    if (i == zifferAnfang)
        return std::nullopt;
    while (i < n && istBlank(zeile[i]))
        ++i;
    if (i != n)
        return std::nullopt;
    if (negativ && wert != 0)
        return std::nullopt;
    return wert;
}

// The next line without its line end (LF, or CR LF); the last line may end at
// the end of the file. Empty when the file has ended or the line is too long.
// Reads through the C stream: a read error is just the end.
std::optional<std::string> naechsteZeile(std::FILE* quelle)
{
    std::string zeile;
    bool gelesen = false;
    for (;;) {
        const int c = std::getc(quelle);
        if (c == EOF) {
            if (!gelesen)
                return std::nullopt;
            break;
        }
        gelesen = true;
        if (c == '\n')
            break;
        zeile.push_back(static_cast<char>(c));
        // Room for the longest content and a CR: anything more is refused
        // without reading further.
        if (zeile.size() > laengsteZeile + 1)
            return std::nullopt;
    }
    if (!zeile.empty() && zeile.back() == '\r')
        zeile.pop_back();
    if (zeile.size() > laengsteZeile)
        return std::nullopt;
    return zeile;
}

} // namespace

std::string feldAlsText(const Feld& feld)
{
    std::string text;
    text.reserve(feldGroesse * feldGroesse * 6);
    for (int y = 0; y < feldGroesse; ++y)
        for (int x = 0; x < feldGroesse; ++x) {
            const long long code = feld(x, y);
            text += code < 0 ? '-' : ' ';
            text += std::to_string(code < 0 ? -code : code);
            text += " \r\n";
        }
    return text;
}

std::string mitEndungTkx(const std::string& pfad)
{
    return endetAufTkx(pfad) ? pfad : pfad + std::string(endung);
}

bool endetAufTkx(const std::string& pfad)
{
    return std::string_view(pfad).ends_with(endung);
}

bool feldSpeichern(const Feld& feld, const std::string& pfad)
{
    if (pfad.empty())
        return false;
    const std::optional<fs::path> ziel = linkZiel(pfad);
    if (!ziel)
        return false;

    std::error_code fehler;
    const fs::file_status alt = fs::status(*ziel, fehler);
    const bool vorhanden = fs::exists(alt);
    if (fehler && vorhanden)
        return false;
    fehler.clear();
    // Only plain files are replaced: a folder, a device or a pipe (which
    // would block the writer) is never the player's field file.
    if (vorhanden && (!fs::is_regular_file(alt) || schreibgeschuetzt(*ziel, alt)))
        return false;

    // The whole content is ready before anything is touched, so that writing
    // in place is one truncate and one write.
    const std::string inhalt = feldAlsText(feld);
#if defined(__unix__) || defined(__APPLE__)
    struct stat altInfo {};
    if (vorhanden && ::stat(ziel->c_str(), &altInfo) != 0)
        return false;
    // A rename would split a file with further hard links in two.
    if (vorhanden && altInfo.st_nlink > 1)
        return anOrtSchreiben(*ziel, inhalt);
#endif
    fs::path temporaer;
    DateiZeiger datei = temporaerAnlegen(*ziel, temporaer);
    if (!datei) {
        // No new file can be made beside it: a writable file is emptied and
        // written in place instead, without the safety of the rename.
        return vorhanden && anOrtSchreiben(*ziel, inhalt);
    }
#if defined(__unix__) || defined(__APPLE__)
    // The new file belongs to the player; it must take over the old one's
    // owner and group before it may replace it. Where the player may not
    // give it them (a shared file of another owner, say), the old file is
    // written in place and so stays its owner's.
    if (vorhanden && ::fchown(::fileno(datei.get()), altInfo.st_uid, altInfo.st_gid) != 0) {
        datei.reset();
        std::error_code egal;
        fs::remove(temporaer, egal);
        return anOrtSchreiben(*ziel, inhalt);
    }
#endif
    if (!allesSchreiben(std::move(datei), inhalt)) {
        fs::remove(temporaer, fehler);
        return false;
    }
    // Set after the change of owner, which clears the set-user-ID and
    // set-group-ID bits.
    if (vorhanden)
        fs::permissions(temporaer, alt.permissions() & fs::perms::mask, fehler);
    if (!fehler)
        fs::rename(temporaer, *ziel, fehler);
    if (fehler) {
        std::error_code egal;
        fs::remove(temporaer, egal);
        return false;
    }
    return true;
}

int feldLaden(const std::string& pfad, Feld& feld, Seite seite, ZellenAnzeige& anzeige)
{
    const DateiZeiger datei = zumLesenOeffnen(pfad);
    if (!datei)
        return 0;

    int gelesen = 0;
    for (int y = 0; y < feldGroesse; ++y)
        for (int x = 0; x < feldGroesse; ++x) {
            const std::optional<std::string> zeile = naechsteZeile(datei.get());
            if (!zeile)
                return gelesen;
            const std::optional<int> code = codeAusZeile(*zeile);
            if (!code)
                return gelesen;
            feld(x, y) = *code;
            anzeige.zelleGeaendert(seite, *code, x, y);
            ++gelesen;
        }
    return gelesen;
}

int vorgabeLaden(const std::string& pfad, Spielstand& s, ZellenAnzeige& anzeige)
{
    const int gelesen = feldLaden(pfad, s.feldVorgabe, Seite::Vorgabe, anzeige);
    if (gelesen > 0)
        vorgabeGegeben(s, anzeige);
    return gelesen;
}
