// The marks painted: the row's number in the verdict's colour, and the end's sign beside it.
#include "ui/randmarkenbild.h"

#include <QPainter>
#include <QPaintEvent>

#include "render/aussehen.h"
#include "render/geometrie.h"
#include "ui/qtfarbe.h"
#include "ui/qtzeichenflaeche.h"
#include "ui/spielmeldungen.h"

namespace {

Farbe markenFarbe(const std::optional<bool>& stimmt)
{
    if (!stimmt)
        return markeOffen;
    return *stimmt ? markeStimmt : markeWeichtAb;
}

} // namespace

Randmarkenbild::Randmarkenbild(QtZeichenflaeche* feld) : QWidget(feld), feld_(feld)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(feld->rect());
    lower();
}

void Randmarkenbild::anmelden(Spielmeldungen& meldungen, const Spielstand& spiel)
{
    connect(&meldungen, &Spielmeldungen::beobachtungenGeaendert, this, [this, &spiel] {
        zeigen(spiel.beobachtungen.empty() ? std::vector<Randmarke>{}
                                           : randmarken(spiel.beobachtungen, nachspielen(spiel.beobachtungen, spiel.feldNachbau)));
    });
}

void Randmarkenbild::zeigen(std::vector<Randmarke> marken)
{
    if (marken == marken_)
        return;
    marken_ = std::move(marken);
    update();
}

void Randmarkenbild::paintEvent(QPaintEvent* ereignis)
{
    if (marken_.empty())
        return;
    // Sizes follow the board's units, which its set-up gives.
    const double e = feld_->nachPixeln(0, 0, 1, 1).width();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont schrift = font();
    schrift.setPixelSize(std::max(8, qRound(markenHoehe * e)));
    schrift.setBold(true);
    p.setFont(schrift);
    const QFontMetricsF mass(schrift);
    // The digits' own box: the looks are drawn around it, not around the line's.
    const double hoehe = mass.capHeight();
    const double rand = std::max(1.0, hoehe * 0.2);
    for (const Randmarke& m : marken_) {
        const Markenmitte mitte = markenMitte(m.x, m.y);
        const QPointF ort = QPointF(feld_->nachPixeln(mitte.x, mitte.y, 0, 0).topLeft());
        const QString zahl = QString::number(m.nummer);
        const double breite = mass.horizontalAdvance(zahl);
        const QRectF ziffern(ort.x() - breite / 2, ort.y() - hoehe / 2, breite, hoehe);
        const QRectF aussen = ziffern.adjusted(-rand, -rand, rand, rand);
        if (!ereignis->rect().intersects(aussen.toAlignedRect().adjusted(-1, -1, 1, 1)))
            continue;
        const QColor farbe = qtFarbe(markenFarbe(m.stimmt));
        QColor schriftFarbe = farbe;
        switch (m.ende) {
        case Beobachtung::Ende::Ausgang: break;
        case Beobachtung::Ende::Loch:
            // A badge: the number cut out of a plate in the verdict's colour.
            p.setPen(Qt::NoPen);
            p.setBrush(farbe);
            p.drawRoundedRect(aussen, rand, rand);
            schriftFarbe = qtFarbe(randVorgabe);
            break;
        case Beobachtung::Ende::Angehalten:
            // Underlined, as a run cut short.
            p.setPen(Qt::NoPen);
            p.setBrush(farbe);
            p.drawRect(QRectF(aussen.left(), ziffern.bottom() + rand * 0.5, aussen.width(), rand));
            break;
        }
        p.setPen(schriftFarbe);
        p.drawText(QPointF(ziffern.left(), ziffern.bottom()), zahl);
    }
}
