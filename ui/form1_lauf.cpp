// Run handlers: launching and stopping the hidden probe, stepping the model
// probe once or N times, the counters, the speed and the check of the model.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionFrame>

#include <climits>

#include "model/ansage.h"
#include "model/beobachtungen.h"
#include "model/pruefen.h"
#include "model/sondenlauf.h"
#include "model/zahltext.h"
#include "ui/form1.h"

namespace {

void erhoehen(QLineEdit* zaehler)
{
    zaehler->setText(QString::fromStdString(zaehlerErhoehen(zaehler->text().toStdString())));
}

// N of the N-steps command, kept as the button's tag.
int schrittzahl(const QPushButton* zehn)
{
    const auto n = fuehrendeGanzzahl(zehn->property("tag").toString().toStdString());
    return n.value_or(0);
}

void schrittzahlSetzen(QPushButton* zehn, int n)
{
    zehn->setProperty("tag", QString::number(n));
    zehn->setText(QStringLiteral("%1 Schritte").arg(n));
    zehn->setAccessibleName(zehn->text());
    zehn->setAccessibleDescription(zehn->text() + QStringLiteral(" hintereinander ausführen"));
}

} // namespace

void Form1::schriftEinpassen(QLineEdit* feld, const QFont& grund)
{
    // The box keeps its place and size; a long count gets a smaller font
    // instead of scrolling its first or last digits out of sight.
    QStyleOptionFrame option;
    option.initFrom(feld);
    option.lineWidth = feld->hasFrame() ? feld->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, feld) : 0;
    const int innenRand = 2;  // the line edit's own margin on either side of the text
    const int platz = feld->style()->subElementRect(QStyle::SE_LineEditContents, &option, feld).width() - 2 * innenRand;
    // The window's fonts are set in pixels.
    QFont schrift = grund;
    while (schrift.pixelSize() > 6 && QFontMetrics(schrift).horizontalAdvance(feld->text()) > platz)
        schrift.setPixelSize(schrift.pixelSize() - 1);
    if (schrift != feld->font())
        feld->setFont(schrift);
    feld->setCursorPosition(0);
}

void Form1::Command5_Click()
{
    if (!sondeGesetzt(spiel_.sondeVorgabe)) {
        dienste_.dialoge->meldung(this, titel(), QStringLiteral("Bitte erst die Sonde auf den Rand setzen (per Klick)"),
                                  false);
        return;
    }
    txtZaehlerVorgabe->setText(QString());
    // The Stop key is live from the first step on.
    const Laufbuch::Ende ende = vorgabeLaufen(spiel_, laufbuch_, *anzeige_, [this] {
        anhaltenFreigeben();
        if (chkSchrittezaehlen->checkState() == Qt::Checked)
            erhoehen(txtZaehlerVorgabe);
    });
    anhaltenFreigeben();
    if (ende.aufgenommen)
        meldungen_.beobachtungenVormerken();
    // What a sighted player sees now: the exit place, the counter, the record.
    std::optional<std::size_t> nummer;
    std::optional<bool> stimmt;
    if (ende.aufgenommen) {
        nummer = spiel_.beobachtungen.size();
        stimmt = nachspielen(spiel_.beobachtungen, spiel_.feldNachbau).back().stimmt;
    }
    brett(Seite::Vorgabe).benennen();
    brett(Seite::Nachbau).benennen();
    ansagen(QString::fromStdString(laufAnsage(ende.zeile, nummer, stimmt)));
}

void Form1::Picture3_Click() { spiel_.abbruchVorgabe = 1; }

void Form1::cmdAnhalten_Click()
{
    Picture3_Click();
    ++anhaltungen_;
}

void Form1::anhaltenFreigeben() { cmdAnhalten->setEnabled(laufbuch_.laeuft() || zehnLaufend_ > 0); }

void Form1::cmdSchritt_Click()
{
    spiel_.lochNachbau = 0;
    erhoehen(txtZaehler);
    schrittNachbau(spiel_, *anzeige_);
    // The N steps speak once, at their end.
    if (zehnLaufend_ == 0)
        ansagen(QString::fromStdString(nachbauAnsage(spiel_.sondeNachbau, spiel_.lochNachbau == 1)));
}

void Form1::cmdZehn_Click()
{
    spiel_.lochNachbau = 0;
    // Read once: a handler running between the steps cannot change the count.
    const int n = schrittzahl(cmdZehn);
    const long long anhaltungen = anhaltungen_;
    ++zehnLaufend_;
    anhaltenFreigeben();
    for (int i = 0; i < n && anhaltungen_ == anhaltungen; ++i)
        if (spiel_.lochNachbau == 0)
            cmdSchritt_Click();
    --zehnLaufend_;
    anhaltenFreigeben();
    if (zehnLaufend_ == 0)
        ansagen(QString::fromStdString(nachbauAnsage(spiel_.sondeNachbau, spiel_.lochNachbau == 1)));
}

void Form1::cmdSchritteMiinus_Click()
{
    const int n = schrittzahl(cmdZehn);
    if (n > 2)
        schrittzahlSetzen(cmdZehn, n - 1);
}

void Form1::cmdSchrittePlus_Click()
{
    const int n = schrittzahl(cmdZehn);
    if (n < INT_MAX)
        schrittzahlSetzen(cmdZehn, n + 1);
}

void Form1::cmdZaehler_Click() { txtZaehler->setText(QStringLiteral("0")); }
void Form1::Command2_Click() { txtZaehlerVorgabe->setText(QStringLiteral("0")); }
void Form1::hscV_Change() { txtV->setText(QString::number(hscV->value())); }

void Form1::cmdPruefen_Click()
{
    const Pruefung p = vorgabePruefen(spiel_);
    // The score counts the checks beside the launches: checking is a way to search too.
    const QString text =
        p.gleich == anzahlStartplaetze
            ? QStringLiteral("Gelöst! Dein Nachbau verhält sich an allen %1 Startplätzen wie die Tarnkiste. "
                             "Gestartete Sonden: %2, Prüfungen: %3")
                  .arg(anzahlStartplaetze)
                  .arg(spiel_.gestarteteSonden)
                  .arg(spiel_.pruefungen)
            : QStringLiteral("Dein Nachbau verhält sich an %1 von %2 Startplätzen wie die Tarnkiste. "
                             "Das war deine %3. Prüfung.")
                  .arg(p.gleich)
                  .arg(anzahlStartplaetze)
                  .arg(spiel_.pruefungen);
    dienste_.dialoge->meldung(this, titel(), text, false);
}
