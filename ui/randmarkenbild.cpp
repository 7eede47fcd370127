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
    const QRect einheit = feld_->nachPixeln(0, 0, 1, 1);
    const double e = einheit.width();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont schrift = font();
    schrift.setPixelSize(std::max(8, qRound(markenHoehe * e)));
    schrift.setBold(true);
    p.setFont(schrift);
    const QFontMetricsF mass(schrift);
    const double zeichen = mass.capHeight();  // the end's sign as high as the digits
    for (const Randmarke& m : marken_) {
        const Markenmitte mitte = markenMitte(m.x, m.y);
        const QPointF ort = QPointF(feld_->nachPixeln(mitte.x, mitte.y, 0, 0).topLeft());
        const QString zahl = QString::number(m.nummer);
        const bool mitZeichen = m.ende != Beobachtung::Ende::Ausgang;
        const double abstand = zeichen * 0.3;
        const double breite = mass.horizontalAdvance(zahl) + (mitZeichen ? abstand + zeichen * 0.8 : 0);
        const QRectF rahmen(ort.x() - breite / 2, ort.y() - mass.height() / 2, breite, mass.height());
        if (!ereignis->rect().intersects(rahmen.toAlignedRect()))
            continue;
        const QColor farbe = qtFarbe(markenFarbe(m.stimmt));
        p.setPen(farbe);
        p.drawText(rahmen, Qt::AlignLeft | Qt::AlignVCenter, zahl);
        if (!mitZeichen)
            continue;
        // A black hole: a disc; a stopped run: the two bars of a pause.
        const QRectF feldZeichen(rahmen.right() - zeichen * 0.8, ort.y() - zeichen / 2, zeichen * 0.8, zeichen);
        p.setPen(Qt::NoPen);
        p.setBrush(farbe);
        if (m.ende == Beobachtung::Ende::Loch) {
            p.drawEllipse(feldZeichen);
        } else {
            const double balken = feldZeichen.width() * 0.35;
            p.drawRect(QRectF(feldZeichen.left(), feldZeichen.top(), balken, feldZeichen.height()));
            p.drawRect(QRectF(feldZeichen.right() - balken, feldZeichen.top(), balken, feldZeichen.height()));
        }
    }
}
