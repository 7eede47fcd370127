// Field files: the exact bytes, the name rule, safe replacing and strict loading.
#include "model/felddatei.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#if defined(__linux__)
#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "tests/model/aufzeichnung.h"

namespace fs = std::filesystem;

namespace {

// A fresh folder per test, removed with everything in it afterwards.
struct Ordner {
    fs::path pfad = fs::temp_directory_path() /
                    ("tarnkiste-test-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
                     std::to_string(std::random_device{}()));
    Ordner() { fs::create_directories(pfad); }
    ~Ordner() { std::error_code egal; fs::remove_all(pfad, egal); }
    std::string operator/(const std::string& name) const { return (pfad / name).string(); }
    // Entry names, to spot leftover temporary files.
    std::vector<std::string> inhalt(const std::string& unter = "") const
    {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(pfad / unter))
            namen.push_back(e.path().filename().string());
        std::sort(namen.begin(), namen.end());
        return namen;
    }
};

void schreiben(const std::string& pfad, const std::string& bytes) { std::ofstream(pfad, std::ios::binary) << bytes; }

std::string lesen(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

Feld zufallsFeld(unsigned saat)
{
    std::mt19937 motor(saat);
    Feld f;
    for (auto& spalte : f.zellen)
        for (int& code : spalte)
            code = static_cast<int>(motor() % anzahlCodes);
    return f;
}

TEST(FieldAsText, OneLinePerCellRowByRow)
{
    Feld f;
    f(1, 0) = UmlenkspiegelSteigend;
    f(0, 1) = DrehspiegelSenkrecht;
    f(3, 0) = SchwarzesLoch;
    f(7, 7) = Falltuer;
    std::string erwartet;
    for (int zeile = 1; zeile <= 64; ++zeile)
        erwartet += zeile == 2 ? " 2 \r\n" : zeile == 9 ? " 5 \r\n" : zeile == 4 ? " 10 \r\n" : zeile == 64 ? " 11 \r\n" : " 0 \r\n";
    EXPECT_EQ(feldAlsText(f), erwartet);
    EXPECT_EQ(erwartet.size(), 322u);
    EXPECT_EQ(feldAlsText(Feld{}).size(), 320u);
}

TEST(FileName, TkxExtensionExactAndCaseSensitive)
{
    const struct { const char* pfad; const char* mitEndung; bool endet; } faelle[] = {
        {"feld", "feld.tkx", false}, {"feld.tkx", "feld.tkx", true}, {"feld.TKX", "feld.TKX.tkx", false},
        {"notiz.txt", "notiz.txt.tkx", false}, {"/a.tkx/feld", "/a.tkx/feld.tkx", false}, {"tkx", "tkx.tkx", false},
        {"", ".tkx", false},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(mitEndungTkx(f.pfad), f.mitEndung) << f.pfad;
        EXPECT_EQ(endetAufTkx(f.pfad), f.endet) << f.pfad;
    }
}

TEST(FieldFileSave, RoundTripAndReplace)
{
    const unsigned saat = std::random_device{}();
    std::cout << "[ seed     ] " << saat << "\n";
    SCOPED_TRACE("seed " + std::to_string(saat));
    Ordner o;
    const Feld original = zufallsFeld(saat);
    ASSERT_TRUE(feldSpeichern(zufallsFeld(saat + 1), o / "feld.tkx"));
    ASSERT_TRUE(feldSpeichern(original, o / "feld.tkx"));
    EXPECT_EQ(lesen(o / "feld.tkx"), feldAlsText(original));
    EXPECT_EQ(o.inhalt(), std::vector<std::string>{"feld.tkx"});

    Feld geladen;
    Aufzeichnung a;
    EXPECT_EQ(feldLaden(o / "feld.tkx", geladen, Seite::Vorgabe, a), 64);
    EXPECT_EQ(geladen, original);
    ASSERT_EQ(a.aufrufe.size(), 64u);
    EXPECT_EQ(a.aufrufe[8], "zelle V " + std::to_string(original(0, 1)) + " 0 1");
}

// Every failure leaves the neighbours ("datei", "ordner/alt.tkx") as they were and no temporary file.
TEST(FieldFileSave, FailsWithoutLeavingTraces)
{
    for (const std::string ziel : {"fehlt/feld.tkx", "datei/feld.tkx", "ordner", ""}) {
        SCOPED_TRACE(ziel);
        Ordner o;
        schreiben(o / "datei", "kein Ordner");
        fs::create_directories(o / "ordner");
        schreiben(o / "ordner/alt.tkx", " 1 \r\n");
        EXPECT_FALSE(feldSpeichern(Feld{}, ziel.empty() ? ziel : o / ziel));
        EXPECT_EQ(o.inhalt(), (std::vector<std::string>{"datei", "ordner"}));
        EXPECT_EQ(o.inhalt("ordner"), std::vector<std::string>{"alt.tkx"});
        EXPECT_EQ(lesen(o / "ordner/alt.tkx"), " 1 \r\n");
    }
}

#if defined(__linux__)
// A write failing midway (the file size limit stands in for a full disk)
// must not replace the old file with a truncated one.
TEST(FieldFileSave, InterruptedWriteLeavesTheOldFile)
{
    Ordner o;
    schreiben(o / "feld.tkx", "alt\r\n");
    rlimit alt{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &alt), 0);
    const auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit eng = alt;
    eng.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &eng), 0);
    const bool gut = feldSpeichern(Feld{}, o / "feld.tkx");
    ::setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, altesSignal);
    EXPECT_FALSE(gut);
    EXPECT_EQ(lesen(o / "feld.tkx"), "alt\r\n");
    EXPECT_EQ(o.inhalt(), std::vector<std::string>{"feld.tkx"});
}

TEST(FieldFileSave, NewFileFollowsTheUmask)
{
    Ordner o;
    const mode_t alt = ::umask(022);
    const bool gut = feldSpeichern(Feld{}, o / "feld.tkx");
    ::umask(alt);
    ASSERT_TRUE(gut);
    EXPECT_EQ(fs::status(o / "feld.tkx").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

// The player's files come first: a protected file stays as it is, a link
// stays a link, and a replaced file keeps its permission bits.
TEST(FieldFileSave, WriteProtectedTargetIsRefusedAndStaysByteForByte)
{
    using fs::perms;
    for (const perms schutz : {perms::owner_read | perms::group_read | perms::others_read, perms::owner_read}) {
        Ordner o;
        schreiben(o / "feld.tkx", "alt\r\n");
        fs::permissions(o / "feld.tkx", schutz);
        EXPECT_FALSE(feldSpeichern(Feld{}, o / "feld.tkx"));
        fs::permissions(o / "feld.tkx", perms::owner_all);
        EXPECT_EQ(lesen(o / "feld.tkx"), "alt\r\n");
        EXPECT_EQ(o.inhalt(), std::vector<std::string>{"feld.tkx"});
    }
}

TEST(FieldFileSave, SymbolicLinkIsWrittenThroughAndStaysALink)
{
    Ordner o;
    fs::create_directories(o / "echt");
    schreiben(o / "echt/feld.tkx", "alt\r\n");
    fs::create_symlink("echt/feld.tkx", o / "kette.tkx");
    fs::create_symlink("kette.tkx", o / "link.tkx");
    Feld f;
    f(2, 3) = DrehspiegelSenkrecht;
    ASSERT_TRUE(feldSpeichern(f, o / "link.tkx"));
    EXPECT_EQ(lesen(o / "echt/feld.tkx"), feldAlsText(f));
    EXPECT_EQ(fs::read_symlink(o / "link.tkx"), "kette.tkx");
    EXPECT_EQ(fs::read_symlink(o / "kette.tkx"), "echt/feld.tkx");
    EXPECT_EQ(o.inhalt("echt"), std::vector<std::string>{"feld.tkx"});

    // A dangling link makes the file it names; a loop of links saves nothing.
    fs::create_symlink("neu.tkx", o / "vorweg.tkx");
    ASSERT_TRUE(feldSpeichern(f, o / "vorweg.tkx"));
    EXPECT_EQ(lesen(o / "neu.tkx"), feldAlsText(f));
    fs::create_symlink("b.tkx", o / "a.tkx");
    fs::create_symlink("a.tkx", o / "b.tkx");
    EXPECT_FALSE(feldSpeichern(f, o / "a.tkx"));
    EXPECT_EQ(o.inhalt(), (std::vector<std::string>{"a.tkx", "b.tkx", "echt", "kette.tkx", "link.tkx", "neu.tkx",
                                                    "vorweg.tkx"}));
}

TEST(FieldFileSave, ReplacedFileKeepsItsPermissionBits)
{
    using fs::perms;
    for (const perms bits : {perms::owner_read | perms::owner_write,
                             perms::owner_read | perms::owner_write | perms::group_read | perms::group_write |
                                 perms::others_read | perms::others_write}) {
        Ordner o;
        schreiben(o / "feld.tkx", "alt\r\n");
        fs::permissions(o / "feld.tkx", bits);
        const mode_t alt = ::umask(077);
        const bool gut = feldSpeichern(Feld{}, o / "feld.tkx");
        ::umask(alt);
        ASSERT_TRUE(gut);
        EXPECT_EQ(fs::status(o / "feld.tkx").permissions() & perms::all, bits);
        EXPECT_EQ(lesen(o / "feld.tkx"), feldAlsText(Feld{}));
    }
}

constexpr uid_t niemand = 65534;

// Runs `probe` in a child process, as an ordinary user when the tests run as
// the superuser (who may create files in any folder), in its own group and
// the supplementary groups `gruppen`. Returns its verdict.
template <class Probe>
bool alsNormalerNutzer(Probe probe, std::vector<gid_t> gruppen = {})
{
    const pid_t kind = ::fork();
    if (kind == 0) {
        if (::geteuid() == 0 && (::setgroups(gruppen.size(), gruppen.data()) != 0 || ::setgid(niemand) != 0 ||
                                 ::setuid(niemand) != 0))
            std::_Exit(2);
        std::_Exit(probe() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) <= 1) << "child status " << status;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(FieldFileSave, WritableFileInAFolderWithoutRoomForNewFilesIsWrittenInPlace)
{
    using fs::perms;
    Ordner o;
    fs::create_directories(o / "fest");
    schreiben(o / "fest/feld.tkx", std::string(400, 'x'));
    // Readable and writable for everyone; its folder and the one above open to all, but shut for new files.
    constexpr perms offen = perms::owner_all | perms::group_read | perms::group_exec | perms::others_read |
                            perms::others_exec;
    fs::permissions(o / "fest/feld.tkx", perms::owner_read | perms::owner_write | perms::group_read |
                                             perms::group_write | perms::others_read | perms::others_write);
    fs::permissions(o.pfad, offen);
    fs::permissions(o / "fest", offen & ~perms::owner_write);
    Feld f;
    f(7, 7) = Falltuer;
    const std::string pfad = o / "fest/feld.tkx";
    // A system whose folders above the temporary one are shut to other users
    // (a bare chroot, say) cannot host this test.
    if (!alsNormalerNutzer([&] { return ::access(pfad.c_str(), R_OK | W_OK) == 0; }))
        GTEST_SKIP() << "an ordinary user cannot reach " << pfad;
    EXPECT_TRUE(alsNormalerNutzer([&] { return feldSpeichern(f, pfad); }));
    EXPECT_EQ(lesen(pfad), feldAlsText(f));
    // A failure there is reported (the file size limit stands in for a full disk).
    EXPECT_FALSE(alsNormalerNutzer([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit eng{100, 100};
        return ::setrlimit(RLIMIT_FSIZE, &eng) == 0 && feldSpeichern(f, pfad);
    }));
    fs::permissions(o / "fest", perms::owner_all);
    EXPECT_EQ(o.inhalt("fest"), std::vector<std::string>{"feld.tkx"});
}

// A save keeps the file its owner's: a rename would hand it to the saver.
TEST(FieldFileSave, SuperuserSavingKeepsTheOwnerAndGroupOfTheFile)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can give a file to another user";
    for (const auto& [uid, gid] : {std::pair<uid_t, gid_t>{12345, 23456}, {niemand, niemand}}) {
        Ordner o;
        schreiben(o / "feld.tkx", "alt\r\n");
        ASSERT_EQ(::chown((o / "feld.tkx").c_str(), uid, gid), 0);
        Feld f;
        f(4, 5) = SchwarzesLoch;
        ASSERT_TRUE(feldSpeichern(f, o / "feld.tkx"));
        struct stat info {};
        ASSERT_EQ(::stat((o / "feld.tkx").c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, uid);
        EXPECT_EQ(info.st_gid, gid);
        EXPECT_EQ(lesen(o / "feld.tkx"), feldAlsText(f));
        EXPECT_EQ(o.inhalt(), std::vector<std::string>{"feld.tkx"});
    }
}

TEST(FieldFileSave, HardLinkedFileIsWrittenInPlaceAndStaysOneFile)
{
    Ordner o;
    schreiben(o / "feld.tkx", "alt\r\n");
    fs::create_hard_link(o / "feld.tkx", o / "zweit.tkx");
    struct stat vorher {};
    ASSERT_EQ(::stat((o / "feld.tkx").c_str(), &vorher), 0);
    Feld f;
    f(0, 7) = Falltuer;
    ASSERT_TRUE(feldSpeichern(f, o / "feld.tkx"));
    struct stat nachher {};
    ASSERT_EQ(::stat((o / "feld.tkx").c_str(), &nachher), 0);
    EXPECT_EQ(nachher.st_ino, vorher.st_ino);
    EXPECT_EQ(nachher.st_nlink, 2u);
    EXPECT_EQ(lesen(o / "zweit.tkx"), feldAlsText(f));
    EXPECT_EQ(o.inhalt(), (std::vector<std::string>{"feld.tkx", "zweit.tkx"}));
}

// A member of a file's group may write the file but not give a new file its
// owner; the save goes into the file itself.
TEST(FieldFileSave, GroupMemberSavingASharedFileLeavesItWithItsOwnerAndGroup)
{
    using fs::perms;
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can set up a group the child belongs to";
    constexpr gid_t gemeinsam = 23456;
    Ordner o;
    // The folder lets the child make its temporary file, so only the owner stands in the way of the rename.
    fs::permissions(o.pfad, perms::all);
    const std::string pfad = o / "feld.tkx";
    schreiben(pfad, "alt\r\n");
    ASSERT_EQ(::chown(pfad.c_str(), 0, gemeinsam), 0);
    const perms bits = perms::owner_read | perms::owner_write | perms::group_read | perms::group_write |
                       perms::others_read;
    fs::permissions(pfad, bits);
    if (!alsNormalerNutzer([&] { return ::access(pfad.c_str(), R_OK | W_OK) == 0; }, {gemeinsam}))
        GTEST_SKIP() << "an ordinary user cannot reach " << pfad;
    Feld f;
    f(6, 1) = DrehspiegelSenkrecht;
    EXPECT_TRUE(alsNormalerNutzer([&] { return feldSpeichern(f, pfad); }, {gemeinsam}));
    struct stat info {};
    ASSERT_EQ(::stat(pfad.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 0u);
    EXPECT_EQ(info.st_gid, gemeinsam);
    EXPECT_EQ(fs::status(pfad).permissions() & perms::all, bits);
    EXPECT_EQ(lesen(pfad), feldAlsText(f));
    EXPECT_EQ(o.inhalt(), std::vector<std::string>{"feld.tkx"});
}
#endif

// Line i (from 0) of a good file holds i % 12; the field held (i + 6) % 12
// before, so cells that were not loaded show.
std::string datei(int zeilen, const std::string& ende = "\r\n", int schlecht = 0, const std::string& inhalt = "")
{
    std::string text;
    for (int i = 1; i <= zeilen; ++i)
        text += (i == schlecht ? inhalt : " " + std::to_string((i - 1) % 12) + " ") + ende;
    return text;
}

TEST(FieldFileLoad, LoadsExactlyTheCellsBeforeTheFirstBadLine)
{
    const struct { const char* name; std::string text; int zellen; } faelle[] = {
        {"Complete", datei(64), 64}, {"LfOnly", datei(64, "\n"), 64}, {"LastLineUnterminated", datei(63) + " 3 ", 64},
        {"HundredLines", datei(100) + "\x01\x02", 64}, {"BlanksTabsPlus", datei(64, "\r\n", 3, "\t+2\t "), 64},
        {"LeadingZeros", datei(64, "\r\n", 4, "003"), 64}, {"MinusZero", datei(64, "\r\n", 1, "-0"), 64},
        {"Line4096Chars", datei(64, "\r\n", 5, std::string(2000, ' ') + "4" + std::string(2095, ' ')), 64},
        {"Line4097Chars", datei(64, "\r\n", 5, std::string(4096, ' ') + "4"), 4},
        {"EmptyFile", "", 0}, {"SixtyThreeLines", datei(63), 63}, {"LetterInLineTen", datei(64, "\r\n", 10, "a"), 9},
        {"TwoNumbers", datei(64, "\r\n", 7, " 1 2 "), 6}, {"EmptyLine", datei(64, "\r\n", 3, ""), 2},
        {"SignOnly", datei(64, "\r\n", 3, " - "), 2}, {"Twelve", datei(64, "\r\n", 12, " 12 "), 11},
        {"NinetyNine", datei(64, "\r\n", 12, "99"), 11}, {"MinusOne", datei(64, "\r\n", 12, "-1"), 11},
        {"Fraction", datei(64, "\r\n", 12, "2.5"), 11}, {"Over32Bit", datei(64, "\r\n", 12, "2147483648"), 11},
        {"NulByte", datei(64, "\r\n", 20, std::string(" 7\0", 3)), 19}, {"DoubleCr", datei(64, "\r\n", 20, " 7\r"), 19},
        {"CrOnlyAsLineEnd", datei(64, "\r"), 0}, {"Binary", std::string("\xff\xfe\x00\x80\r\n", 6), 0},
        {"TenMegabytesWithoutLineEnd", std::string(10'000'000, '5'), 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Ordner o;
        schreiben(o / "feld.tkx", f.text);
        Feld feld;
        for (int i = 0; i < 64; ++i)
            feld(i % 8, i / 8) = (i + 6) % 12;
        Aufzeichnung a;
        ASSERT_EQ(feldLaden(o / "feld.tkx", feld, Seite::Nachbau, a), f.zellen);
        ASSERT_EQ(a.aufrufe.size(), static_cast<std::size_t>(f.zellen));
        for (int i = 0; i < 64; ++i)
            ASSERT_EQ(feld(i % 8, i / 8), i < f.zellen ? i % 12 : (i + 6) % 12) << "cell " << i % 8 << "," << i / 8;
        if (f.zellen > 9) {
            EXPECT_EQ(a.aufrufe[9], "zelle N 9 1 1");
        }
    }
}

// The hidden box is new only when a load read a cell: a failed load keeps the
// box as given and the launches counted so far.
TEST(FieldFileLoad, OnlyALoadThatReadsACellGivesANewBox)
{
    Ordner o;
    schreiben(o / "leer.tkx", "");
    schreiben(o / "schlecht.tkx", datei(64, "\r\n", 1, "x"));
    schreiben(o / "zwanzig.tkx", datei(20));
    fs::create_directories(o / "ordner.tkx");
    const struct { const char* name; std::string pfad; bool neu; } faelle[] = {
        {"empty", o / "leer.tkx", false}, {"bad first line", o / "schlecht.tkx", false},
        {"missing", o / "fehlt.tkx", false}, {"folder", o / "ordner.tkx", false},
        {"twenty lines", o / "zwanzig.tkx", true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Spielstand s;
        s.feldVorgabe(6, 6) = Falltuer;
        s.feldVorgabeKopie(6, 6) = SchwarzesLoch;
        s.gestarteteSonden = 5;
        const Feld gegeben = s.feldVorgabeKopie;
        Aufzeichnung a;
        vorgabeLaden(f.pfad, s, a);
        EXPECT_EQ(s.gestarteteSonden, f.neu ? 0 : 5);
        EXPECT_EQ(s.feldVorgabeKopie, f.neu ? s.feldVorgabe : gegeben);
        EXPECT_EQ(s.feldVorgabe(6, 6), Falltuer) << "a cell the file did not reach";
    }
}

// Reading a folder made the C++ stream throw; a C stream just reports the end.
TEST(FieldFileLoad, FolderOrMissingFileLoadsNothingWithoutThrowing)
{
    Ordner o;
    fs::create_directories(o / "ordner.tkx");
    for (const std::string& pfad : {o / "ordner.tkx", o / "fehlt.tkx", std::string()}) {
        Feld feld;
        Aufzeichnung a;
        EXPECT_EQ(feldLaden(pfad, feld, Seite::Vorgabe, a), 0) << pfad;
        EXPECT_TRUE(a.aufrufe.empty());
    }
}

#if defined(__linux__)
// A named pipe without a writer made the open wait for one forever. The load
// runs in a child the alarm ends, so that a wait fails the test.
TEST(FieldFileLoad, NamedPipeIsRefusedWithoutWaiting)
{
    Ordner o;
    ASSERT_EQ(::mkfifo((o / "x.tkx").c_str(), 0600), 0);
    fs::create_symlink("x.tkx", o / "link.tkx");
    for (const std::string& pfad : {o / "x.tkx", o / "link.tkx"}) {
        SCOPED_TRACE(pfad);
        const pid_t kind = ::fork();
        if (kind == 0) {
            ::alarm(5);
            Feld feld;
            Aufzeichnung a;
            const int gelesen = feldLaden(pfad, feld, Seite::Vorgabe, a);
            std::_Exit(gelesen == 0 && a.aufrufe.empty() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(kind, &status, 0), kind);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << (WIFSIGNALED(status) ? "load still waiting after 5 s" : "cells read");
    }
}
#endif

} // namespace
