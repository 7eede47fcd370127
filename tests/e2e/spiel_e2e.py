#!/usr/bin/env python3
# Plays the real game under a virtual X server with mouse clicks only and checks what the screen shows and the field file.
"""End-to-end run of the tarnkiste binary.

Outside X it starts itself again under xvfb-run; inside, it starts the game,
clicks through one scenario (build a model, copy it into the hidden box, run
the hidden probe, raise the blind, copy back, step the model probe, save the
model through the file dialog and open it on the left) and reads pixels of
root-window captures. Exit code 0 passes, 1 fails, 77 means no X server could
be had (ctest counts that as skipped).

Everything a run leaves is in the --bilder folder, passed or failed:
protokoll.txt (this script's output, then the game's and the X server's),
spiel.log (the game's stdout and stderr), xvfb.log, the stage pictures
NN_name.png and, on a failure, NN_fehler_*.png (the whole screen when the
run stopped and the last capture judged) and arbeit/ (the game's folder).

Standard library only: captures come from ImageMagick's `import` as PPM,
stage pictures are written as PNG by hand.
"""

import argparse
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time
import traceback
import zlib

UEBERSPRINGEN = 77

# The window's client area and where its parts sit in it (pixels, 15 twips each).
# The window may be larger than the client area; the area is found on the screen.
FLAECHE = (1082, 709)
PIC_VORGABE = (32, 16)
PIC_NACHBAU = (576, 16)
FRA_COCKPIT = (32, 464)
FRAME1 = (576, 464)
EINHEIT = 44  # pixels per field unit; a picture spans -1..9
BILDBREITE = 10 * EINHEIT

BRETT_VORGABE = (0, 0, 0)
BRETT_NACHBAU = (0, 0, 40)
RAND_VORGABE = (64, 64, 64)
RAND_NACHBAU = (128, 128, 128)
GITTER = (0, 200, 255)
ROLLO = (0, 150, 150)
GELB = (255, 255, 0)
WEISS = (255, 255, 255)
MARKE_STIMMT = (90, 230, 90)  # a launch's mark on the border where the model agrees
ROT = (255, 0, 0)
BLAU = (0, 0, 255)

# The scenario's field: a cat's eye at f6 and a rising mirror at c3. A probe
# launched northwards below column c turns east at the mirror and leaves the
# box on the right border in row y = 5.
KATZENAUGE = (5, 2)
SPIEGEL = (2, 5)
SPALTE = 2

# ctest gives the test 120 s (tests/e2e/CMakeLists.txt). The whole run, X server
# starts included, ends well before, so this script and not ctest reports a
# hang, with its pictures and log written.
GESAMTZEIT = 110.0
# Kept back from the scenario for ending the game and the X server afterwards.
AUFRAEUMEN = 10.0

# A screen counts as settled when two captures at least this far apart show the
# same client area. Longer than any pause inside one of the game's handlers in
# this scenario (a contact tone keeps 100 ms, the pause after a step at most
# 100 ms), during which deferred painting waits.
RUHE = 0.4
# Two clicks on one spot closer than this would make a double click (Qt's
# interval is 400 ms); the game then sees no second press.
KLICKABSTAND = 0.6

PROTOKOLL = "protokoll.txt"
SPIEL_LOG = "spiel.log"
XVFB_LOG = "xvfb.log"
ARBEIT_KOPIE = "arbeit"

GANZ = (0, 0, 1 << 16, 1 << 16)  # a rectangle holding the whole screen


class Fehler(Exception):
    pass


BEGINN = time.monotonic()
_protokoll = None  # the outer process's protokoll.txt, once opened


def ausgabe(text, zeit=True):
    """One report line on stdout (flushed: a killed run keeps what it said) and in the protokoll."""
    if zeit:
        text = "[%5.1f s] %s" % (time.monotonic() - BEGINN, text)
    sys.stdout.write(text + "\n")
    sys.stdout.flush()
    if _protokoll is not None:
        _protokoll.write(text + "\n")
        _protokoll.flush()


# --- Pictures ---------------------------------------------------------------


class Bild:
    """An RGB capture, 3 bytes a pixel, rows top to bottom."""

    def __init__(self, breite, hoehe, daten):
        self.breite = breite
        self.hoehe = hoehe
        self.daten = daten

    @staticmethod
    def aus_ppm(roh):
        felder = []
        i = 0
        while len(felder) < 4:
            while roh[i:i + 1].isspace():
                i += 1
            if roh[i:i + 1] == b"#":
                while roh[i:i + 1] not in (b"\n", b""):
                    i += 1
                continue
            j = i
            while not roh[j:j + 1].isspace():
                j += 1
            felder.append(roh[i:j])
            i = j
        i += 1  # the one whitespace byte before the samples
        if felder[0] != b"P6":
            raise Fehler("capture is not a binary PPM")
        breite, hoehe, hoechst = int(felder[1]), int(felder[2]), int(felder[3])
        proben = roh[i:]
        if hoechst > 255:  # 16-bit samples, big-endian: keep the high bytes
            proben = proben[0::2]
        if len(proben) < breite * hoehe * 3:
            raise Fehler("capture is truncated")
        return Bild(breite, hoehe, bytes(proben[:breite * hoehe * 3]))

    def farbe(self, x, y):
        if not (0 <= x < self.breite and 0 <= y < self.hoehe):
            return None
        o = (y * self.breite + x) * 3
        return tuple(self.daten[o:o + 3])

    def ausschnitt(self, x, y, breite, hoehe):
        x = max(0, x)
        y = max(0, y)
        breite = min(breite, self.breite - x)
        hoehe = min(hoehe, self.hoehe - y)
        zeilen = [self.daten[((y + r) * self.breite + x) * 3:((y + r) * self.breite + x + breite) * 3]
                  for r in range(hoehe)]
        return Bild(breite, hoehe, b"".join(zeilen))

    def als_png(self):
        roh = b"".join(b"\x00" + self.daten[r * self.breite * 3:(r + 1) * self.breite * 3]
                       for r in range(self.hoehe))

        def stueck(art, inhalt):
            return (struct.pack(">I", len(inhalt)) + art + inhalt
                    + struct.pack(">I", zlib.crc32(art + inhalt) & 0xFFFFFFFF))

        kopf = struct.pack(">IIBBBBB", self.breite, self.hoehe, 8, 2, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + stueck(b"IHDR", kopf) + stueck(b"IDAT", zlib.compress(roh, 6))
                + stueck(b"IEND", b""))


def gleich(a, b, toleranz):
    return a is not None and all(abs(p - q) <= toleranz for p, q in zip(a, b))


# --- The game in its X session ------------------------------------------------


class Spiel:
    """The running game, its window's place and the means to click and look."""

    def __init__(self, programm, bilder, arbeit, ende):
        self.programm = programm
        self.bilder = bilder
        self.arbeit = arbeit
        self.ende = ende
        self.prozess = None
        self.protokoll_datei = None
        self.fenster = None
        self.ursprung = (0, 0)  # the client area's top-left on the screen
        self.fenster_rechteck = (0, 0, 0, 0)
        self.datei_menue = None  # the screen point of the menu bar's "Datei"
        self.stufe = "start"
        self.nummer = 0
        self.letzte = None  # the last capture taken, for the failure report
        self.letzter_klick = (0.0, None)

    # -- processes --

    def rest(self):
        return self.ende - time.monotonic()

    def befehl(self, *argumente):
        frist = max(1.0, min(15.0, self.rest()))
        try:
            return subprocess.run(list(argumente), capture_output=True, timeout=frist)
        except subprocess.TimeoutExpired:
            raise Fehler("%s did not finish within %.0f s" % (argumente[0], frist))

    def xdo(self, *argumente):
        r = self.befehl("xdotool", *argumente)
        if r.returncode != 0:
            raise Fehler("xdotool %s failed: %s" % (" ".join(argumente), r.stderr.decode(errors="replace").strip()))
        return r.stdout.decode(errors="replace")

    def starten(self):
        umgebung = dict(os.environ)
        # Nothing from the calling desktop may change platform, theme, scale or dialogs.
        for name in list(umgebung):
            if name.startswith("QT_") or name in ("XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "GDK_SCALE",
                                                  "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"):
                del umgebung[name]
        heim = os.path.join(os.path.dirname(self.arbeit), "heim")
        lauf = os.path.join(os.path.dirname(self.arbeit), "lauf")
        for d in (heim, lauf):
            os.makedirs(d, mode=0o700, exist_ok=True)
        umgebung.update({
            "QT_QPA_PLATFORM": "xcb",
            "HOME": heim,
            "XDG_CONFIG_HOME": os.path.join(heim, "config"),
            "XDG_CACHE_HOME": os.path.join(heim, "cache"),
            "XDG_DATA_HOME": os.path.join(heim, "data"),
            "XDG_RUNTIME_DIR": lauf,
            # No sound server: every tone keeps its time silently, the same on every machine.
            "PULSE_SERVER": "unix:" + os.path.join(lauf, "kein-pulse"),
        })
        # Written straight into the pictures folder: it outlives this script however it ends.
        self.protokoll_datei = open(os.path.join(self.bilder, SPIEL_LOG), "wb")
        self.prozess = subprocess.Popen([self.programm], cwd=self.arbeit, env=umgebung, stdin=subprocess.DEVNULL,
                                        stdout=self.protokoll_datei, stderr=subprocess.STDOUT)
        ausgabe("game started, pid %d, working directory %s" % (self.prozess.pid, self.arbeit))

    def beenden(self):
        if self.prozess is None:
            return
        if self.prozess.poll() is None:
            self.prozess.terminate()
            try:
                self.prozess.wait(3)
            except subprocess.TimeoutExpired:
                self.prozess.kill()
                self.prozess.wait(3)
        if self.protokoll_datei:
            self.protokoll_datei.close()
            self.protokoll_datei = None

    def protokoll(self):
        """What the game wrote to stdout and stderr so far."""
        try:
            with open(os.path.join(self.bilder, SPIEL_LOG), "rb") as f:
                return f.read().decode(errors="replace")
        except OSError:
            return ""

    def lebt(self):
        if self.prozess.poll() is not None:
            raise Fehler("the game ended unexpectedly with code %s" % self.prozess.returncode)

    # -- looking --

    def aufnahme(self):
        r = self.befehl("import", "-window", "root", "ppm:-")
        if r.returncode != 0 or not r.stdout:
            raise Fehler("screen capture failed: %s" % r.stderr.decode(errors="replace").strip())
        self.letzte = Bild.aus_ppm(r.stdout)
        return self.letzte

    def speichern(self, name, bild=None, ganz=False):
        bild = bild or self.aufnahme()
        if not ganz:
            bild = bild.ausschnitt(*self.fenster_rechteck)
        self.nummer += 1
        pfad = os.path.join(self.bilder, "%02d_%s.png" % (self.nummer, name))
        with open(pfad, "wb") as f:
            f.write(bild.als_png())
        return bild

    def client_rechteck(self):
        return (self.ursprung[0], self.ursprung[1], FLAECHE[0], FLAECHE[1])

    def warten_bis(self, was, bedingung, frist=15.0, rechteck=None):
        """Captures the screen until bedingung(bild) holds; bounded by frist and the whole run's limit.

        The screen must also have settled: two captures at least RUHE
        apart, both meeting the condition, show the same pixels in rechteck (the
        client area unless given). A handler that draws cell by cell, or defers
        part of its painting until it returns, is then done.
        """
        rechteck = rechteck or self.client_rechteck()
        grenze = time.monotonic() + max(0.5, min(frist, self.rest()))
        erstes = None  # (capture, time its capture ended) that began the current still stretch
        while True:
            self.lebt()
            anfang = time.monotonic()
            bild = self.aufnahme()
            fertig = time.monotonic()
            if bedingung(bild):
                if erstes is not None and unruhe(erstes[0], bild, rechteck) is None:
                    if anfang - erstes[1] >= RUHE:
                        return bild
                else:
                    erstes = (bild, fertig)
            else:
                erstes = None
            if time.monotonic() > grenze:
                raise Fehler("%s: not reached within %.0f s" % (was, frist))
            time.sleep(0.1)

    # -- places --

    def punkt(self, x, y):
        """A client-area point on the screen."""
        return (self.ursprung[0] + x, self.ursprung[1] + y)

    def twips(self, behaelter, links, oben, breite, hoehe):
        """The screen centre of a control given in twips inside a container at client pixels."""
        x = behaelter[0] + links // 15 + (breite // 15) // 2
        y = behaelter[1] + oben // 15 + (hoehe // 15) // 2
        return self.punkt(x, y)

    def feld(self, bild_links_oben, u, v):
        """The screen pixel of field point (u, v) in a field picture."""
        return self.punkt(bild_links_oben[0] + int((u + 1) * EINHEIT), bild_links_oben[1] + int((v + 1) * EINHEIT))

    def marker_mitte(self, bild_links_oben, x, y):
        """The centre of a probe marker standing at place (x, y): box corner (x + .35, y + .25), 17 x 25."""
        px, py = self.feld(bild_links_oben, x + 0.35, y + 0.25)
        return px + 8, py + 12

    def flaeche_finden(self, bild):
        """Finds the client area in the window by the model picture's grey frame; True once found.

        The window may be larger than its layout, so its size says nothing of
        where the area starts. The frame's top row is the first long run of
        frame pixels (a text box covers the top right of the frame); the frame's
        outer edges, the hidden picture's frame beside it and the model board
        confirm it.
        """
        fx, fy, fb, fh = self.fenster_rechteck
        lauf = bytes(RAND_NACHBAU) * (BILDBREITE - 60)
        for y in range(max(0, fy), min(bild.hoehe, fy + fh)):
            zeile = bild.ausschnitt(fx, y, fb, 1).daten
            i = zeile.find(lauf)
            while i >= 0 and i % 3:
                i = zeile.find(lauf, i + 1)
            if i >= 0:
                break
        else:
            return False
        ox, oy = fx + i // 3 - PIC_NACHBAU[0], y - PIC_NACHBAU[1]
        rechts_innen, links_innen = (PIC_NACHBAU[0] + 2, PIC_NACHBAU[1] + 2), (PIC_VORGABE[0] + 100, PIC_VORGABE[1] + 1)
        proben = [((PIC_NACHBAU[0] + 2, PIC_NACHBAU[1] + 220), RAND_NACHBAU, True),
                  ((PIC_NACHBAU[0] + BILDBREITE - 3, PIC_NACHBAU[1] + 300), RAND_NACHBAU, True),
                  ((PIC_NACHBAU[0] + 100, PIC_NACHBAU[1] - 1), RAND_NACHBAU, False),
                  ((PIC_NACHBAU[0] - 1, PIC_NACHBAU[1] + 220), RAND_NACHBAU, False),
                  ((PIC_NACHBAU[0] + BILDBREITE, PIC_NACHBAU[1] + 300), RAND_NACHBAU, False),
                  (links_innen, RAND_VORGABE, True),
                  ((links_innen[0], links_innen[1] - 2), RAND_VORGABE, False),
                  ((PIC_VORGABE[0] + BILDBREITE - 60, PIC_VORGABE[1]), RAND_VORGABE, True),
                  ((PIC_NACHBAU[0] + 5 * EINHEIT + 22, PIC_NACHBAU[1] + 5 * EINHEIT + 22), BRETT_NACHBAU, True),
                  (rechts_innen, RAND_NACHBAU, True)]
        if not all(gleich(bild.farbe(ox + x, oy + y), farbe, 2) == soll for (x, y), farbe, soll in proben):
            return False
        if not (fx <= ox and ox + FLAECHE[0] <= fx + fb and fy < oy and oy + FLAECHE[1] <= fy + fh):
            raise Fehler("client area found at %d,%d does not fit into the window %r" % (ox, oy,
                                                                                        self.fenster_rechteck))
        self.ursprung = (ox, oy)
        return True

    def menue_finden(self, bild):
        """The centre of "Datei", the first word in the menu bar above the client area."""
        fx, fy = self.fenster_rechteck[:2]
        oben, unten = fy, min(self.ursprung[1], fy + 60)
        spalten = [x for x in range(fx, fx + 200)
                   if any(sum(bild.farbe(x, y) or (255, 255, 255)) < 300 for y in range(oben, unten))]
        if not spalten:
            raise Fehler("no menu bar text above the client area")
        ende = spalten[0]
        for x in spalten[1:]:
            if x - ende > 5:  # the gap before the next menu title
                break
            ende = x
        zeilen = [y for y in range(oben, unten)
                  if any(sum(bild.farbe(x, y) or (255, 255, 255)) < 300 for x in range(spalten[0], ende + 1))]
        self.datei_menue = ((spalten[0] + ende) // 2, (zeilen[0] + zeilen[-1]) // 2)

    # -- acting --

    def klicken(self, punkt, knopf=1):
        self.lebt()
        # A second click on the same spot waits out the double-click interval, so
        # the game sees each as a press of its own.
        zeit, wo = self.letzter_klick
        if wo is not None and abs(wo[0] - punkt[0]) <= 10 and abs(wo[1] - punkt[1]) <= 10:
            warten = zeit + KLICKABSTAND - time.monotonic()
            if warten > 0:
                time.sleep(warten)
        ausgabe("  click %d at %d,%d" % (knopf, punkt[0], punkt[1]))
        # One call: motion and click reach the server in order. (--sync would
        # wait forever when the pointer already stands there.)
        self.xdo("mousemove", str(punkt[0]), str(punkt[1]), "sleep", "0.05", "click", str(knopf))
        self.letzter_klick = (time.monotonic(), punkt)

    def taste(self, *argumente):
        ausgabe("  xdotool %s" % " ".join(argumente))
        self.xdo(*argumente)

    def fenster_finden(self):
        grenze = time.monotonic() + min(20.0, self.rest())
        while True:
            self.lebt()
            r = self.befehl("xdotool", "search", "--onlyvisible", "--name", "Tarnkiste Prototyp")
            ids = r.stdout.decode().split()
            if ids:
                break
            if time.monotonic() > grenze:
                raise Fehler("the window 'Tarnkiste Prototyp' did not appear")
            time.sleep(0.1)
        self.fenster = ids[0]
        self.fenster_messen()
        ausgabe("window %s at %d,%d size %dx%d" % (self.fenster, *self.fenster_rechteck))

    def fenster_messen(self):
        g = self.geometrie(self.fenster)
        if g is None:
            raise Fehler("the window's geometry could not be read")
        self.fenster_rechteck = (g["X"], g["Y"], g["WIDTH"], g["HEIGHT"])

    def geometrie(self, fenster):
        """X, Y, WIDTH, HEIGHT of a window; None when it has gone meanwhile."""
        r = self.befehl("xdotool", "getwindowgeometry", "--shell", fenster)
        werte = {}
        for zeile in r.stdout.decode(errors="replace").splitlines():
            name, _, wert = zeile.partition("=")
            if wert.strip().lstrip("-").isdigit():
                werte[name] = int(wert)
        return werte if r.returncode == 0 and len(werte) >= 4 else None

    def weitere_fenster(self):
        """The game's visible top-level windows besides the main window (menus, dialogs, completion lists)."""
        r = self.befehl("xdotool", "search", "--onlyvisible", "--pid", str(self.prozess.pid))
        return [w for w in r.stdout.decode().split() if w != self.fenster]

    def warten_auf_fenster(self, was, passt, frist=10.0):
        grenze = time.monotonic() + min(frist, self.rest())
        while True:
            self.lebt()
            for w in self.weitere_fenster():
                g = self.geometrie(w)
                if g and passt(g):
                    return w, g
            if time.monotonic() > grenze:
                raise Fehler("%s did not appear" % was)
            time.sleep(0.1)

    def menue_zeilen(self, g):
        """The vertical centres of the text lines in the popup at g, top to bottom; separators hold no text."""
        bild = self.aufnahme()
        xs = range(g["X"] + 4, g["X"] + g["WIDTH"] - 4)
        dunkel = [y for y in range(g["Y"], g["Y"] + g["HEIGHT"])
                  if any(sum(bild.farbe(x, y) or (255, 255, 255)) < 300 for x in xs)]
        baender = []
        for y in dunkel:
            if baender and y - baender[-1][1] <= 2:
                baender[-1][1] = y
            else:
                baender.append([y, y])
        return [(oben + unten) // 2 for oben, unten in baender]

    def menue_waehlen(self, eintrag):
        """Datei menu, entry 0 (save), 1 (open), 2 (copy as text), 3 (paste text) or 4 (close), by mouse."""
        # A menu or dialog from before may still be on its way out.
        grenze = time.monotonic() + min(10.0, self.rest())
        while self.weitere_fenster():
            if time.monotonic() > grenze:
                raise Fehler("windows %s are still open before the Datei menu" % " ".join(self.weitere_fenster()))
            time.sleep(0.1)
        self.klicken(self.datei_menue)
        _, g = self.warten_auf_fenster("the Datei menu", lambda g: g["WIDTH"] < 400 and g["HEIGHT"] < 250)
        # The entries are found by their text lines: the separators between
        # them are not as high as an entry. The popup may still be painting.
        grenze = time.monotonic() + min(5.0, self.rest())
        while len(zeilen := self.menue_zeilen(g)) != 5:
            if time.monotonic() > grenze:
                raise Fehler("the Datei menu shows %d text lines, expected 5" % len(zeilen))
            time.sleep(0.1)
        self.klicken((g["X"] + 40, zeilen[eintrag]))

    def dialog(self, *titel):
        """The file dialog, titled as one of `titel` (German where Qt's translation is installed)."""
        w, g = self.warten_auf_fenster("the file dialog", lambda g: g["WIDTH"] > 300 and g["HEIGHT"] > 200)
        name = self.befehl("xdotool", "getwindowname", w).stdout.decode(errors="replace").strip()
        if name not in titel:
            raise Fehler("dialog titled %r, expected one of %r" % (name, titel))
        # Typing goes to the focused window: wait until the dialog has the focus.
        grenze = time.monotonic() + min(5.0, self.rest())
        while self.befehl("xdotool", "getwindowfocus").stdout.decode().strip() != w:
            if time.monotonic() > grenze:
                raise Fehler("the dialog %r did not get the keyboard focus" % titel)
            time.sleep(0.1)
        return w

    def dialog_eingeben(self, w, name):
        """Types the file name into the dialog and accepts it with Return.

        Typing may bring up the name box's completion list (when the folder
        holds a match). While it is open it takes a Return for itself and
        closes; only then does a Return reach the dialog. The keys are handled
        in order, so once the typed name has settled on the screen the list is
        either there or not, and a list seen to close with the dialog still
        open is the one reason to press Return again.
        """
        self.taste("key", "ctrl+a")
        self.taste("type", "--delay", "20", name)
        self.warten_bis("the typed name settled", lambda b: True, frist=10, rechteck=GANZ)
        liste = [x for x in self.weitere_fenster() if x != w]
        if liste:
            ausgabe("  a completion list is open (%s); Return closes it first" % " ".join(liste))
            self.taste("key", "Return")
            grenze = time.monotonic() + min(10.0, self.rest())
            while [x for x in self.weitere_fenster() if x != w]:
                if time.monotonic() > grenze:
                    raise Fehler("the completion list did not close after Return")
                time.sleep(0.1)
        self.taste("key", "Return")
        grenze = time.monotonic() + min(10.0, self.rest())
        gesehen = False
        while True:
            offen = self.weitere_fenster()
            if w not in offen:
                return
            andere = [x for x in offen if x != w]
            if andere:
                gesehen = True
            elif gesehen:
                ausgabe("  a completion list came up late and took the Return; Return again")
                self.taste("key", "Return")
                gesehen = False
            if time.monotonic() > grenze:
                raise Fehler("the file dialog did not close after Return (windows open: %s)" % " ".join(offen))
            time.sleep(0.1)

    def fehlerbilder(self):
        """On a failure: the last capture judged and the screen as it is now, both whole."""
        if self.letzte is not None:
            self.speichern("fehler_%s_letzte_aufnahme" % self.stufe, self.letzte, ganz=True)
        try:
            self.speichern("fehler_%s_jetzt" % self.stufe, self.aufnahme(), ganz=True)
        except Exception as f:  # the failure may be that the X server is gone
            ausgabe("no capture at the failure: %s" % f)


def unruhe(a, b, rechteck):
    """Whether two captures differ inside rechteck (x, y, width, height): a box around a difference, or None.

    A blinking text caret, a line at most 3 pixels wide and 40 high, does not count.
    """
    x0, y0, breite, hoehe = rechteck
    x0 = max(0, x0)
    breite = min(breite, a.breite - x0)
    links = rechts = oben = None
    for r in range(max(0, y0), min(a.hoehe, b.hoehe, y0 + hoehe)):
        o = (r * a.breite + x0) * 3
        za, zb = a.daten[o:o + breite * 3], b.daten[o:o + breite * 3]
        if za == zb:
            continue
        erst, letzt = erster_unterschied(za, zb) // 3, letzter_unterschied(za, zb) // 3
        links = erst if links is None else min(links, erst)
        rechts = letzt if rechts is None else max(rechts, letzt)
        oben = r if oben is None else oben
        if rechts - links >= 3 or r - oben >= 40:
            return (x0 + links, oben, rechts - links + 1, r - oben + 1)
    return None


def erster_unterschied(a, b):
    """The first index where two equally long byte strings differ (they do somewhere)."""
    unten, oben = 0, len(a) - 1
    while unten < oben:  # a[:unten] == b[:unten] and a[:oben + 1] != b[:oben + 1]
        mitte = (unten + oben) // 2
        if a[unten:mitte + 1] == b[unten:mitte + 1]:
            unten = mitte + 1
        else:
            oben = mitte
    return unten


def letzter_unterschied(a, b):
    return len(a) - 1 - erster_unterschied(a[::-1], b[::-1])


# --- Checks -------------------------------------------------------------------


class Pruefer:
    """Colour checks at field places; each collects its misses so a stage reports them all."""

    def __init__(self, spiel):
        self.s = spiel
        self.fehler = []

    def nahe(self, bild, punkt, farbe, radius=1, toleranz=8):
        x0, y0 = punkt
        for dy in range(-radius, radius + 1):
            for dx in range(-radius, radius + 1):
                if gleich(bild.farbe(x0 + dx, y0 + dy), farbe, toleranz):
                    return True
        return False

    def farbe(self, bild, punkt, farbe, was, radius=1, toleranz=8):
        if not self.nahe(bild, punkt, farbe, radius, toleranz):
            self.fehler.append("%s: expected %s near %s, found %s" % (was, farbe, punkt, bild.farbe(*punkt)))

    def nicht(self, bild, punkt, farbe, was, toleranz=8):
        if gleich(bild.farbe(*punkt), farbe, toleranz):
            self.fehler.append("%s: %s at %s should not be there" % (was, farbe, punkt))

    def zelle(self, bild, seite, x, y, code):
        """The glyph of `code` in cell (x, y): centre dot and diagonal strokes, or an empty cell."""
        bildort = PIC_VORGABE if seite == "links" else PIC_NACHBAU
        brett = BRETT_VORGABE if seite == "links" else BRETT_NACHBAU

        def ort(a, b):
            return self.s.feld(bildort, x + a, y + b)

        name = "%s cell (%d,%d)" % (seite, x, y)
        ecken = {"nw": (0.3, 0.3), "no": (0.7, 0.3), "sw": (0.3, 0.7), "so": (0.7, 0.7)}
        if code == 0:
            self.farbe(bild, ort(0.5, 0.5), brett, name + " empty", radius=0, toleranz=2)
            for e in ecken.values():
                self.farbe(bild, ort(*e), brett, name + " empty", radius=0, toleranz=2)
            return
        self.farbe(bild, ort(0.5, 0.5), ROT, name + " red centre dot", toleranz=30)
        # Code 1 has both diagonals; code 2 only the rising one (north-east to south-west).
        striche = ("nw", "no", "sw", "so") if code == 1 else ("no", "sw")
        for e, lage in ecken.items():
            if e in striche:
                self.farbe(bild, ort(*lage), BLAU, "%s blue stroke %s" % (name, e), radius=1, toleranz=60)
            else:
                self.farbe(bild, ort(*lage), brett, "%s no stroke %s" % (name, e), radius=0, toleranz=2)

    def feld(self, bild, seite, codes, ausser=()):
        """Every cell but those `ausser` (under a marker): the codes given by place, empty elsewhere."""
        for y in range(8):
            for x in range(8):
                if (x, y) not in ausser:
                    self.zelle(bild, seite, x, y, codes.get((x, y), 0))

    def marker(self, bild, mitte, farbe=GELB):
        """A whole marker disc (radius 7.5) around `mitte`: its centre and four points 5 to 6 pixels out."""
        x, y = mitte
        return all(gleich(bild.farbe(px, py), farbe, 30)
                   for px, py in ((x, y), (x - 5, y), (x + 5, y), (x, y - 6), (x, y + 6)))

    def gitter(self, bild, seite):
        bildort = PIC_VORGABE if seite == "links" else PIC_NACHBAU
        for k in (0, 3, 8):
            for j in (0, 5, 8):
                self.farbe(bild, self.s.feld(bildort, k, j), GITTER, "%s grid point (%d,%d)" % (seite, k, j))

    def rollo_unten(self, bild):
        for y in range(8):
            for x in range(8):
                self.farbe(bild, self.s.feld(PIC_VORGABE, x + 0.5, y + 0.5), ROLLO,
                           "blind over cell (%d,%d)" % (x, y), radius=0, toleranz=2)

    def stimmt(self, pruefung):
        """Whether pruefung(pruefer) finds nothing amiss, run on a fresh checker: for waiting, not reporting."""
        q = Pruefer(self.s)
        pruefung(q)
        return not q.fehler

    def abschliessen(self, stufe):
        if self.fehler:
            liste = self.fehler
            self.fehler = []
            raise Fehler("stage %s:\n  " % stufe + "\n  ".join(liste))
        ausgabe("ok: %s" % stufe)


def einstellige_anzeige(spiel, bild, behaelter, links, oben, breite, hoehe):
    """Whether a text box shows a single character: its dark pixels span less than 13 columns."""
    x0 = spiel.punkt(behaelter[0] + links // 15, 0)[0] + 3
    y0 = spiel.punkt(0, behaelter[1] + oben // 15)[1] + 3
    spalten = [x for x in range(x0, x0 + breite // 15 - 6)
               if any(sum(bild.farbe(x, y) or (255, 255, 255)) < 300 for y in range(y0, y0 + hoehe // 15 - 6))]
    return bool(spalten) and spalten[-1] - spalten[0] < 13


def blaue_pixel(bild, mitte, halb_breite, halb_hoehe):
    n = 0
    for y in range(mitte[1] - halb_hoehe, mitte[1] + halb_hoehe):
        for x in range(mitte[0] - halb_breite, mitte[0] + halb_breite):
            f = bild.farbe(x, y)
            if f and f[2] > 150 and f[2] > f[0] + 100:
                n += 1
    return n


def dunkel(bild, punkt):
    f = bild.farbe(*punkt)
    return f is not None and sum(f) < 200


# --- The scenario ---------------------------------------------------------------


def szenario(s):
    p = Pruefer(s)
    s.starten()
    s.fenster_finden()

    # 1. The start screen. Until it is painted the client area cannot be found.
    s.stufe = "start_screen"

    def gemalt(b):
        s.fenster_messen()  # read afresh: the window may still take its size
        if not s.flaeche_finden(b):
            return False
        # The start button stands over the surface that is bare once it is gone.
        return not gleich(b.farbe(*s.punkt(520, 470)), b.farbe(*s.punkt(1040, 300)), 4)

    bild = s.warten_bis("start screen painted", gemalt, frist=20, rechteck=GANZ)
    s.menue_finden(bild)
    ausgabe("window at %d,%d size %dx%d, client area at %d,%d; Datei at %d,%d"
            % (*s.fenster_rechteck, *s.ursprung, *s.datei_menue))
    # Controls, as laid out in twips in their containers.
    start = s.twips((0, 0), 480, 6960, 14895, 2655)
    check1 = s.punkt(480 + 7, 408 + 6)
    nach_rechts = s.twips((0, 0), 7200, 6360, 615, 480)
    nach_links = s.twips((0, 0), 7920, 6360, 615, 480)
    sonde_los = s.twips(FRA_COCKPIT, 3720, 240, 2775, 555)
    rollo_rauf = s.twips(PIC_VORGABE, 0, 240, 255, 375)
    del_vorgabe = s.twips(PIC_VORGABE, 6360, 6360, 255, 255)
    del_nachbau = s.twips(PIC_NACHBAU, 0, 6360, 255, 255)
    schritt = s.twips(FRAME1, 1920, 480, 1455, 495)
    kompass = s.twips(FRAME1, 120, 240, 1575, 1695)
    hintergrund = s.punkt(1040, 300)  # bare window surface right of the model field
    frei_unter_start = s.punkt(520, 470)  # window surface once the start button is gone

    s.speichern("startbild", bild)
    p.farbe(bild, s.feld(PIC_NACHBAU, 4.5, 4.5), BRETT_NACHBAU, "model board", 0, 2)
    p.feld(bild, "rechts", {})
    p.gitter(bild, "rechts")
    p.farbe(bild, s.feld(PIC_VORGABE, 0.5, 0.5), ROLLO, "start picture on the left")
    p.farbe(bild, s.marker_mitte(PIC_VORGABE, 8, 8), GELB, "hidden probe marker parked at (8,8)")
    p.farbe(bild, s.marker_mitte(PIC_NACHBAU, -1, 8), GELB, "model probe marker parked at (-1,8)")
    p.abschliessen(s.stufe)

    # 2. Start: the blind runs up and down once; it has ended when the start
    # button is gone, the blind hangs down to its last pass and the object count
    # shows its final single digit, on a settled screen.
    s.stufe = "started"
    s.klicken(start)

    def fertig(b):
        return (gleich(b.farbe(*frei_unter_start), b.farbe(*hintergrund), 4)
                and gleich(b.farbe(*s.feld(PIC_VORGABE, 4.5, 7.85)), ROLLO, 2)
                and einstellige_anzeige(s, b, FRA_COCKPIT, 1560, 240, 735, 405))

    t0 = time.monotonic()
    bild = s.warten_bis("start animation finished", fertig, frist=20)
    ausgabe("start animation over after %.1f s" % (time.monotonic() - t0))
    s.speichern("nach_start", bild)
    p.rollo_unten(bild)
    p.feld(bild, "rechts", {})
    p.abschliessen(s.stufe)

    # 3. The model: left clicks cycle a cell's code 0 -> 1 -> 2; two clicks on
    # one cell are spaced beyond the double-click time so each counts as a press.
    s.stufe = "model_built"
    s.klicken(s.feld(PIC_NACHBAU, KATZENAUGE[0] + 0.5, KATZENAUGE[1] + 0.5))
    s.warten_bis("cat's eye on f6", lambda b: p.stimmt(lambda q: q.zelle(b, "rechts", *KATZENAUGE, 1)))
    mitte_spiegel = s.feld(PIC_NACHBAU, SPIEGEL[0] + 0.5, SPIEGEL[1] + 0.5)
    s.klicken(mitte_spiegel)
    s.warten_bis("cat's eye on c3", lambda b: p.stimmt(lambda q: q.zelle(b, "rechts", *SPIEGEL, 1)))
    s.klicken(mitte_spiegel)
    bild = s.warten_bis("mirror on c3", lambda b: p.stimmt(lambda q: q.zelle(b, "rechts", *SPIEGEL, 2)))
    s.speichern("modell", bild)
    p.feld(bild, "rechts", {KATZENAUGE: 1, SPIEGEL: 2})
    p.abschliessen(s.stufe)

    # 4. Safety box, then copy the model into the hidden box, which the blind
    # hides: nothing on the screen shows the copy, so the next stage's picture,
    # taken after a later click has been handled, checks the blind once more.
    s.stufe = "copied_left"
    s.klicken(check1)
    s.warten_bis("copy buttons enabled", lambda b: blaue_pixel(b, nach_links, 18, 14) > 20)
    s.klicken(nach_links)
    bild = s.warten_bis("screen settled after the copy", lambda b: True)
    s.speichern("kopie_nach_links", bild)
    p.rollo_unten(bild)
    p.abschliessen(s.stufe)

    # 5. The hidden probe on the bottom border below column c.
    s.stufe = "probe_placed"
    s.klicken(s.feld(PIC_VORGABE, SPALTE + 0.5, 8.5))
    start_vorgabe = s.marker_mitte(PIC_VORGABE, SPALTE, 8)
    bild = s.warten_bis("hidden probe marker at c, bottom", lambda b: p.marker(b, start_vorgabe))
    s.speichern("sonde_gesetzt", bild)
    p.nicht(bild, s.marker_mitte(PIC_VORGABE, 8, 8), GELB, "parked hidden marker")
    p.farbe(bild, s.marker_mitte(PIC_VORGABE, 8, 8), RAND_VORGABE, "margin where the marker was parked", 0, 2)
    p.rollo_unten(bild)
    p.abschliessen(s.stufe)

    # 6. Launch: north to the mirror, east along row 5, out on the right border.
    s.stufe = "hidden_run"
    s.klicken(sonde_los)
    ausgang = s.marker_mitte(PIC_VORGABE, 8, SPIEGEL[1])
    t0 = time.monotonic()
    bild = s.warten_bis("white marker at the exit (8,5)", lambda b: p.marker(b, ausgang, WEISS))
    ausgabe("hidden run over after %.1f s" % (time.monotonic() - t0))
    s.speichern("lauf_verdeckt", bild)
    p.farbe(bild, start_vorgabe, RAND_VORGABE, "start place left by the marker", 0, 2)
    p.rollo_unten(bild)

    # The launch marked with its number at both ends, beside the marker's spot,
    # green: the hidden box is the model copied over.
    def markiert(q, b):
        q.farbe(b, s.feld(PIC_VORGABE, SPALTE + 0.18, 8.52), MARKE_STIMMT, "mark at the start place", 3, 60)
        q.farbe(b, s.feld(PIC_VORGABE, 8.55, SPIEGEL[1] + 0.15), MARKE_STIMMT, "mark beside the white marker", 3, 60)

    bild = s.warten_bis("launch marked at both ends", lambda b: p.stimmt(lambda q: markiert(q, b)))
    markiert(p, bild)
    p.farbe(bild, ausgang, WEISS, "white marker at the exit, not hidden by the mark")
    p.abschliessen(s.stufe)

    # 7. Raise the blind: the copied field shows on the black board.
    s.stufe = "blind_raised"
    s.klicken(rollo_rauf)
    unten = s.feld(PIC_VORGABE, 0.5, 7.5)
    t0 = time.monotonic()
    bild = s.warten_bis("blind raised", lambda b: gleich(b.farbe(*unten), BRETT_VORGABE, 2)
                        and gleich(b.farbe(*s.feld(PIC_VORGABE, 0.5, 0.5)), BRETT_VORGABE, 2))
    ausgabe("blind raised after %.1f s" % (time.monotonic() - t0))
    s.speichern("rollo_hoch", bild)
    p.feld(bild, "links", {KATZENAUGE: 1, SPIEGEL: 2})
    p.gitter(bild, "links")
    p.farbe(bild, s.feld(PIC_VORGABE, 4.5, 0.15), ROLLO, "raised blind's edge at the top", 0, 2)
    p.farbe(bild, ausgang, WEISS, "white marker still at the exit")
    p.abschliessen(s.stufe)

    # 8. Clear the model, then copy the hidden box to the right.
    s.stufe = "copied_right"
    s.klicken(del_nachbau)
    bild = s.warten_bis("model cleared", lambda b: p.stimmt(lambda q: q.feld(b, "rechts", {})))
    s.speichern("modell_geloescht", bild)
    p.feld(bild, "rechts", {})
    p.abschliessen("model_cleared")
    s.klicken(nach_rechts)
    bild = s.warten_bis("copy on the right", lambda b: p.stimmt(lambda q: (q.zelle(b, "rechts", *KATZENAUGE, 1),
                                                                             q.zelle(b, "rechts", *SPIEGEL, 2))))
    s.speichern("kopie_nach_rechts", bild)
    p.feld(bild, "rechts", {KATZENAUGE: 1, SPIEGEL: 2})
    p.abschliessen(s.stufe)

    # 9. The model probe below column c heads north: the compass needle points up.
    s.stufe = "model_probe_placed"
    s.klicken(s.feld(PIC_NACHBAU, SPALTE + 0.5, 8.5))
    start_nachbau = s.marker_mitte(PIC_NACHBAU, SPALTE, 8)
    bild = s.warten_bis("model probe marker at c, bottom", lambda b: p.marker(b, start_nachbau))
    s.speichern("modellsonde", bild)
    p.farbe(bild, s.marker_mitte(PIC_NACHBAU, -1, 8), RAND_NACHBAU, "margin where the model marker was parked", 0, 2)
    if not (dunkel(bild, (kompass[0], kompass[1] - 22)) and not dunkel(bild, (kompass[0] + 22, kompass[1]))):
        p.fehler.append("compass needle should point north")
    p.abschliessen(s.stufe)

    # 10. Four single steps: c1, c2, c3 (the mirror there turns it east), then d3.
    # Each waits for the step to be over on a settled screen before the next click.
    s.stufe = "model_steps"
    for n, (x, y) in enumerate([(SPALTE, 7), (SPALTE, 6), SPIEGEL, (SPALTE + 1, SPIEGEL[1])], 1):
        s.klicken(schritt)
        ziel = s.marker_mitte(PIC_NACHBAU, x, y)
        bild = s.warten_bis("model marker after step %d at (%d,%d)" % (n, x, y), lambda b: p.marker(b, ziel))
    s.speichern("einzelschritte", bild)
    p.farbe(bild, start_nachbau, RAND_NACHBAU, "start place left by the model marker", 0, 2)
    if not p.marker(bild, s.marker_mitte(PIC_NACHBAU, SPALTE + 1, SPIEGEL[1])):
        p.fehler.append("model marker should stand at (3,5)")
    if not (dunkel(bild, (kompass[0] + 22, kompass[1])) and not dunkel(bild, (kompass[0], kompass[1] - 22))):
        p.fehler.append("compass needle should point east after the mirror")
    p.zelle(bild, "rechts", KATZENAUGE[0], KATZENAUGE[1], 1)
    p.abschliessen(s.stufe)

    # 11. Save the model through the file dialog; the name gets ".tkx".
    s.stufe = "saved"
    s.menue_waehlen(0)
    w = s.dialog("Speichern unter", "Save As")
    s.speichern("dialog_speichern", ganz=False)
    s.dialog_eingeben(w, "modell")
    datei = os.path.join(s.arbeit, "modell.tkx")
    erwartet = b"".join(b" %d \r\n" % {KATZENAUGE: 1, SPIEGEL: 2}.get((x, y), 0)
                        for y in range(8) for x in range(8))
    # The game writes a temporary file and renames it: once the name is there, so is all of it.
    grenze = time.monotonic() + min(5.0, max(0.5, s.rest()))
    while not os.path.exists(datei) and time.monotonic() < grenze:
        time.sleep(0.1)
    if not os.path.exists(datei):
        raise Fehler("saving did not create %s (folder holds %s)" % (datei, os.listdir(s.arbeit)))
    with open(datei, "rb") as f:
        inhalt = f.read()
    if inhalt != erwartet:
        raise Fehler("saved file differs: %d bytes, %d lines, first difference at byte %s"
                     % (len(inhalt), inhalt.count(b"\n"),
                        next((i for i, (a, b) in enumerate(zip(inhalt, erwartet)) if a != b), min(len(inhalt),
                                                                                              len(erwartet)))))
    ausgabe("ok: %s (64 lines, %d bytes)" % (s.stufe, len(inhalt)))

    # 12. Clear the hidden box, then open the file on the left.
    s.stufe = "left_cleared"
    s.klicken(del_vorgabe)
    bild = s.warten_bis("left field cleared", lambda b: p.stimmt(lambda q: q.feld(b, "links", {})))
    s.speichern("links_geloescht", bild)
    p.feld(bild, "links", {})
    p.abschliessen(s.stufe)

    s.stufe = "opened"
    s.menue_waehlen(1)
    w = s.dialog("Öffnen", "Open")
    s.speichern("dialog_oeffnen", ganz=False)
    s.dialog_eingeben(w, "modell.tkx")
    bild = s.warten_bis("file opened on the left", lambda b: p.stimmt(lambda q: (q.zelle(b, "links", *KATZENAUGE, 1),
                                                                                 q.zelle(b, "links", *SPIEGEL, 2))))
    s.speichern("geladen", bild)
    p.feld(bild, "links", {KATZENAUGE: 1, SPIEGEL: 2})
    p.feld(bild, "rechts", {KATZENAUGE: 1, SPIEGEL: 2}, ausser=[(SPALTE + 1, SPIEGEL[1])])
    p.abschliessen(s.stufe)

    # 13. "schließen" ends the program at once.
    s.stufe = "closed"
    s.menue_waehlen(4)
    try:
        code = s.prozess.wait(min(10.0, max(1.0, s.rest())))
    except subprocess.TimeoutExpired:
        raise Fehler("the game did not end after Datei / schließen")
    if code != 0:
        raise Fehler("the game ended with code %d after Datei / schließen" % code)
    # A sanitizer build reports without necessarily stopping the game.
    meldungen = [z for z in s.protokoll().splitlines() if "runtime error:" in z or "Sanitizer" in z]
    if meldungen:
        raise Fehler("the game reported:\n  " + "\n  ".join(meldungen))
    ausgabe("ok: %s" % s.stufe)


def beim_signal_beenden(signal_nummer, _rahmen):
    # Turns a termination request into SystemExit so that cleanup in `finally` still runs.
    raise SystemExit(128 + signal_nummer)


def im_x(argumente):
    signal.signal(signal.SIGTERM, beim_signal_beenden)
    ende = argumente.bis if argumente.bis else time.monotonic() + GESAMTZEIT - AUFRAEUMEN
    # Only a server that answers counts as started; the caller tries again otherwise.
    anzeige = os.environ.get("DISPLAY", "")
    grenze = time.monotonic() + 10
    while subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True, timeout=10).returncode != 0:
        if time.monotonic() > grenze:
            ausgabe("X server %s does not answer" % anzeige)
            return 1
        time.sleep(0.2)
    # This line tells the caller that the X server is up.
    ausgabe("x-bereit DISPLAY=%s" % anzeige)
    os.makedirs(argumente.bilder, exist_ok=True)
    for alt in os.listdir(argumente.bilder):
        if alt.endswith(".png") or alt == SPIEL_LOG:
            os.remove(os.path.join(argumente.bilder, alt))
    wurzel = tempfile.mkdtemp(prefix="tarnkiste-e2e-")
    arbeit = os.path.join(wurzel, "arbeit")
    os.makedirs(arbeit)
    s = Spiel(argumente.programm, argumente.bilder, arbeit, ende)
    t0 = time.monotonic()
    ergebnis = 1
    try:
        szenario(s)
        ausgabe("passed in %.1f s; pictures in %s" % (time.monotonic() - t0, argumente.bilder))
        ergebnis = 0
    except Fehler as f:
        ausgabe("FAILED at stage %s: %s" % (s.stufe, f))
    except SystemExit:
        ausgabe("FAILED at stage %s: ended from outside" % s.stufe)
        raise
    except Exception:
        ausgabe("FAILED at stage %s with an error in the test:\n%s" % (s.stufe, traceback.format_exc()))
    finally:
        if ergebnis != 0:
            try:
                s.fehlerbilder()
                # The game's folder, with any field file it wrote, goes beside the pictures.
                shutil.copytree(arbeit, os.path.join(argumente.bilder, ARBEIT_KOPIE), dirs_exist_ok=True)
            except Exception:
                ausgabe("keeping the failure's traces failed:\n%s" % traceback.format_exc())
            ausgabe("pictures, logs and the game's folder in %s" % argumente.bilder)
        s.beenden()
        # Only the game's home, runtime and working folders: nothing in the pictures folder.
        shutil.rmtree(wurzel, ignore_errors=True)
    return ergebnis


def gruppe_beenden(prozess):
    """Ends xvfb-run's whole process group (its Xvfb, the script in X, the game)."""
    for signal_nummer in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(prozess.pid, signal_nummer)
        except ProcessLookupError:
            pass
        try:
            prozess.wait(timeout=5)
            return
        except subprocess.TimeoutExpired:
            continue


def datei_anhaengen(pfad, titel, zeige_ende=0):
    """Copies a log into the protokoll; with zeige_ende its last characters go to stdout too."""
    try:
        with open(pfad, "rb") as f:
            text = f.read().decode(errors="replace")
    except OSError:
        return
    if _protokoll is not None:
        _protokoll.write("--- %s (%s) ---\n%s%s" % (titel, pfad, text, "" if text.endswith("\n") or not text else "\n"))
        _protokoll.flush()
    if zeige_ende and text.strip():
        sys.stdout.write("--- %s, end ---\n%s\n" % (titel, text[-zeige_ende:]))
        sys.stdout.flush()


def mit_xvfb(argumente):
    global _protokoll
    fehlt = [w for w in ("xvfb-run", "Xvfb", "xauth", "xdotool", "import") if shutil.which(w) is None]
    if fehlt:
        ausgabe("skipped: missing %s" % ", ".join(fehlt))
        return UEBERSPRINGEN
    if not os.access(argumente.programm, os.X_OK):
        ausgabe("the game %s is not there" % argumente.programm)
        return 1
    ende = BEGINN + GESAMTZEIT
    signal.signal(signal.SIGTERM, beim_signal_beenden)
    signal.signal(signal.SIGINT, beim_signal_beenden)
    os.makedirs(argumente.bilder, exist_ok=True)
    for alt in (XVFB_LOG, SPIEL_LOG):
        if os.path.exists(os.path.join(argumente.bilder, alt)):
            os.remove(os.path.join(argumente.bilder, alt))
    shutil.rmtree(os.path.join(argumente.bilder, ARBEIT_KOPIE), ignore_errors=True)
    _protokoll = open(os.path.join(argumente.bilder, PROTOKOLL), "w", encoding="utf-8", errors="replace")
    ausgabe("end-to-end run of %s, pictures and logs in %s" % (argumente.programm, argumente.bilder))
    ergebnis = None
    try:
        ergebnis = mit_xvfb_versuchen(argumente, ende)
        return ergebnis
    finally:
        # The game's and the X server's output, whatever happened above.
        datei_anhaengen(os.path.join(argumente.bilder, SPIEL_LOG), "game output",
                        zeige_ende=0 if ergebnis in (0, UEBERSPRINGEN) else 3000)
        datei_anhaengen(os.path.join(argumente.bilder, XVFB_LOG), "xvfb-run and X server output")
        _protokoll.close()
        _protokoll = None


def mit_xvfb_versuchen(argumente, ende):
    # xvfb-run -a takes the first display number without a lock file and, when
    # a parallel run's server takes that number first, moves on to the next.
    # The server runs with -noreset: without it, it resets whenever its last
    # client disconnects (the readiness probe, each xdotool call before the
    # game is connected), and a client connecting during the reset fails with
    # "could not connect to display".
    for versuch in range(3):
        aufruf = ["xvfb-run", "-a", "-e", os.path.join(argumente.bilder, XVFB_LOG),
                  "-s", "-screen 0 1280x1024x24 -noreset",
                  sys.executable, os.path.abspath(__file__), "--im-x",
                  "--programm", argumente.programm, "--bilder", argumente.bilder,
                  "--bis", "%.3f" % (ende - AUFRAEUMEN)]
        prozess = subprocess.Popen(aufruf, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, start_new_session=True)
        bereit = threading.Event()

        def lesen(strom=prozess.stdout):
            # Each line goes on at once: a run ended from outside keeps all it said.
            for zeile in iter(strom.readline, b""):
                text = zeile.decode(errors="replace").rstrip("\n")
                if "x-bereit" in text:
                    bereit.set()
                ausgabe(text, zeit=False)

        leser = threading.Thread(target=lesen, daemon=True)
        leser.start()
        try:
            prozess.wait(timeout=max(5.0, ende - time.monotonic()))
        except subprocess.TimeoutExpired:
            gruppe_beenden(prozess)
            leser.join(5)
            ausgabe("FAILED: no result within the time limit")
            return 1
        except SystemExit:
            gruppe_beenden(prozess)
            leser.join(5)
            ausgabe("FAILED: ended from outside")
            raise
        leser.join(5)
        if bereit.is_set():
            return prozess.returncode
        ausgabe("X server did not start (attempt %d, code %d)" % (versuch + 1, prozess.returncode))
        if ende - time.monotonic() < 60:
            break
        time.sleep(1 + versuch)
    ausgabe("skipped: no X server could be started")
    return UEBERSPRINGEN


def main():
    leser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    leser.add_argument("--programm", required=True, help="the tarnkiste executable")
    leser.add_argument("--bilder", required=True, help="folder for the stage pictures and the logs")
    leser.add_argument("--im-x", action="store_true", help="run in the current X display")
    leser.add_argument("--bis", type=float, help=argparse.SUPPRESS)  # the caller's deadline, time.monotonic()
    argumente = leser.parse_args()
    argumente.programm = os.path.abspath(argumente.programm)
    argumente.bilder = os.path.abspath(argumente.bilder)
    return im_x(argumente) if argumente.im_x else mit_xvfb(argumente)


if __name__ == "__main__":
    sys.exit(main())
