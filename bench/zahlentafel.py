#!/usr/bin/env python3
"""The README's table of figures, made from what `make bench` measured.

Usage: zahlentafel.py FOLDER README

FOLDER holds the benchmarks' outputs (bench/zahlen-messen writes them):
render_bench.json and pruefen_bench.json from Google Benchmark's --benchmark_out,
lauf_bench.txt as lauf_bench prints it, programm.jsonl from programm_messen --json.
Writes FOLDER/zahlen.md and puts the same table into README between the lines
ANFANG and ENDE. A figure whose output is missing is left out. Exits with 1
when a target is missed, 2 when README has no place for the table.
"""

import datetime
import json
import os
import re
import statistics
import sys

ANFANG = "<!-- zahlen: written by make bench (bench/zahlentafel.py) -->"
ENDE = "<!-- zahlen: end -->"


def quartile(werte):
    """Median and quartiles, interpolated as programm_messen does."""
    v = sorted(werte)
    if not v:
        return None

    def q(p):
        ort = p * (len(v) - 1)
        i = int(ort)
        rest = ort - i
        return v[i] * (1 - rest) + v[i + 1] * rest if i + 1 < len(v) else v[i]

    return q(0.5), q(0.25), q(0.75)


def text(drei, einheit, stellen):
    m, a, b = drei
    return f"{m:.{stellen}f} {einheit} ({a:.{stellen}f}–{b:.{stellen}f})"


def verhaeltnis_text(drei):
    m, a, b = drei
    return f"{m:.3f} ({a:.3f}–{b:.3f})"


class Tafel:
    def __init__(self):
        self.zeilen = []
        self.verfehlt = []

    def zeile(self, fall, was, gemessen, gegen="—", verhaeltnis="—", ziel="—", erfuellt=True):
        self.zeilen.append(f"| `{fall}` | {was} | {gemessen} | {gegen} | {verhaeltnis} | {ziel} |")
        if not erfuellt:
            self.verfehlt.append(f"{fall}: {was}")


# --- Google Benchmark ------------------------------------------------------------------

def laeufe(pfad):
    """Each benchmark's repetitions in ms, by name, in the order of repetition."""
    if not os.path.exists(pfad):
        return {}
    with open(pfad, encoding="utf-8") as f:
        daten = json.load(f)
    faktor = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
    zeiten = {}
    for b in daten.get("benchmarks", []):
        if b.get("run_type", "iteration") != "iteration":
            continue
        zeiten.setdefault(b["run_name"], []).append(b["real_time"] * faktor[b["time_unit"]])
    return zeiten


# What render_bench measures: the case's name in the table, what it is, the
# benchmark, the one beside it that the ratio is taken against, and the bound
# in ms that the benchmark must stay under.
RENDER = [
    ("render/ganzes-fenster", "the whole window painted again past the start screen, no painted copies kept "
     "(as the program runs), against them kept", "ganzesFenster/vorrat:0", "ganzesFenster/vorrat:1", 16),
    ("render/schwarze-loecher", "64 black holes drawn on a field, ratio 1, against the board alone",
     "alleZellenSchwarzeLoecher/verhaeltnis:1", "brett/verhaeltnis:1", 16),
    ("render/schwarze-loecher", "the same at ratio 2", "alleZellenSchwarzeLoecher/verhaeltnis:2",
     "brett/verhaeltnis:2", 16),
    ("render/spur-loeschen", "trail cleared over a field full of black holes, ratio 1, against the board alone",
     "spurLoeschenVollerLoecher/verhaeltnis:1", "brett/verhaeltnis:1", 16),
    ("render/spur-loeschen", "the same at ratio 2", "spurLoeschenVollerLoecher/verhaeltnis:2",
     "brett/verhaeltnis:2", 16),
    ("render/spur-loeschen", "the same on a shown widget, ratio 1", "spurLoeschenImFenster/verhaeltnis:1",
     "brett/verhaeltnis:1", 16),
    ("render/spur-loeschen", "the same on a shown widget, ratio 2", "spurLoeschenImFenster/verhaeltnis:2",
     "brett/verhaeltnis:2", 16),
    ("render/legendenloch", "the legend's black hole painted, ratio 1, against its cat's eye",
     "legendenBildGemalt/schwarzesLoch/verhaeltnis:1", "legendenBildGemalt/katzenauge/verhaeltnis:1", None),
    ("render/legendenloch", "the same at ratio 2", "legendenBildGemalt/schwarzesLoch/verhaeltnis:2",
     "legendenBildGemalt/katzenauge/verhaeltnis:2", None),
    ("render/startbild", "the start screen's cover painted, ratio 1", "startbildGemalt/verhaeltnis:1", None, None),
    ("render/startbild", "the same at ratio 2", "startbildGemalt/verhaeltnis:2", None, None),
    ("render/startbild-deckend", "the cover handed over and drawn in its place, opaque as kept, against it with "
     "an alpha channel", "startbildGezeigt/deckend:1", "startbildGezeigt/deckend:0", None),
    ("render/beobachtungsfenster", "the launch record's window made (at its first opening)",
     "beobachtungsfensterGebaut", None, None),
    ("render/beobachtungsfenster", "the open record after an edit: 200 rows replayed and shown, against the "
     "window repainted alone", "beobachtungenNachEinerAenderung", "beobachtungenNurGemalt", 16),
]


def render(tafel, zeiten):
    for fall, was, name, gegen, grenze in RENDER:
        if name not in zeiten:
            continue
        wert = zeiten[name]
        gemessen = quartile(wert)
        gegen_text = verhaeltnis = "—"
        if gegen and gegen in zeiten:
            paare = [a / b for a, b in zip(wert, zeiten[gegen]) if b > 0]
            gegen_text = text(quartile(zeiten[gegen]), "ms", 3)
            verhaeltnis = verhaeltnis_text((gemessen[0] / quartile(zeiten[gegen])[0],) + quartile(paare)[1:])
        erfuellt = grenze is None or gemessen[0] < grenze
        tafel.zeile(fall, was, text(gemessen, "ms", 3), gegen_text, verhaeltnis,
                    f"< {grenze} ms" if grenze else "—", erfuellt)


def pruefen(tafel, zeiten):
    if not zeiten:
        return
    schlimmste = max(zeiten, key=lambda n: statistics.median(zeiten[n]))
    gemessen = quartile(zeiten[schlimmste])
    tafel.zeile("pruefen/schlimmstes-feld", f"\"Prüfen\" on the slowest of the fields found ({schlimmste})",
                text(gemessen, "ms", 3), ziel="< 10 ms", erfuellt=gemessen[0] < 10)


# --- lauf_bench --------------------------------------------------------------------------

def lauf(tafel, pfad):
    if not os.path.exists(pfad):
        return
    with open(pfad, encoding="utf-8") as f:
        for z in f:
            m = re.match(r"^(.+?)\s+([\d.]+)\s+(\d+)\s+([\d.]+)\s*$", z)
            if not m:
                continue
            name, gemessen, soll, verhaeltnis = m.group(1), float(m.group(2)), int(m.group(3)), float(m.group(4))
            tafel.zeile("lauf/" + re.sub(r"[^a-z0-9]+", "-", name.lower()).strip("-"),
                        f"{name}: wall time against the pauses and tones it is made of", f"{gemessen:.1f} ms",
                        f"{soll} ms", f"{verhaeltnis:.3f}", "0.98–1.10", 0.98 <= verhaeltnis <= 1.10)


# --- programm_messen -----------------------------------------------------------------------

def programm(tafel, pfad):
    if not os.path.exists(pfad):
        return
    with open(pfad, encoding="utf-8") as f:
        for z in f:
            r = json.loads(z)
            stellen = 3 if r["einheit"] == "s" else (2 if r["fall"] != "start/boden" and r["einheit"] == "MB" else 1)
            gemessen = text(r["wert"], r["einheit"], stellen)
            if "gegen" in r:
                gegen = ("floor " if r["fall"] == "start/boden" else "game ") + text(r["gegen"], r["einheit"], stellen)
                tafel.zeile(r["fall"], r["was"], gemessen, gegen, verhaeltnis_text(r["verhaeltnis"]),
                            r["ziel"] or "—", r["erfuellt"])
            else:
                tafel.zeile(r["fall"], r["was"], gemessen, ziel=r["ziel"] or "—", erfuellt=r["erfuellt"])


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    ordner, readme = sys.argv[1:]
    tafel = Tafel()
    programm(tafel, os.path.join(ordner, "programm.jsonl"))
    render(tafel, laeufe(os.path.join(ordner, "render_bench.json")))
    pruefen(tafel, laeufe(os.path.join(ordner, "pruefen_bench.json")))
    lauf(tafel, os.path.join(ordner, "lauf_bench.txt"))

    tag = datetime.date.today().isoformat()
    md = "\n".join([
        f"Written by `make bench` on {tag}. Median (quartiles); a ratio is of the medians, with the quartiles "
        "of the ratios of runs side by side.",
        "",
        "| bench case | figure | measured | against | ratio | target |",
        "| --- | --- | --- | --- | --- | --- |",
        *tafel.zeilen,
    ]) + "\n"
    with open(os.path.join(ordner, "zahlen.md"), "w", encoding="utf-8") as f:
        f.write(md)

    with open(readme, encoding="utf-8") as f:
        alt = f.read()
    anfang, ende = alt.find(ANFANG), alt.find(ENDE)
    if anfang < 0 or ende < anfang:
        print(f"zahlentafel: {readme} has no lines {ANFANG} ... {ENDE}", file=sys.stderr)
        return 2
    neu = alt[:anfang + len(ANFANG)] + "\n" + md + alt[ende:]
    if neu != alt:
        with open(readme, "w", encoding="utf-8") as f:
            f.write(neu)
    print(f"zahlentafel: {len(tafel.zeilen)} figures in {os.path.join(ordner, 'zahlen.md')} and {readme}")
    for v in tafel.verfehlt:
        print(f"zahlentafel: target missed: {v}")
    return 1 if tafel.verfehlt else 0


if __name__ == "__main__":
    sys.exit(main())
