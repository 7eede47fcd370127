// Texts of the launch record's rows: places as the board labels them, the ends, the marks.
#include "ui/beobachtungsmodell.h"

#include "model/ansage.h"
#include "model/beobachtungen.h"
#include "model/ortsname.h"

namespace {

enum Spalte { Nr, Start, Ende, Schritte, Kontakte, Nachbau, DeinNachbau, anzahlSpalten };

QString marke(const std::optional<bool>& m)
{
    if (!m)
        return QStringLiteral("–");
    return *m ? QStringLiteral("✓ stimmt") : QStringLiteral("✗ weicht ab");
}

// The model's run in the row's own words: "rechts 4, 10 Schritte, 1 Kontakt".
QString nachbauText(const Nachspiel& n)
{
    if (n.stimmt.value_or(true))
        return {};
    const Laufausgang& a = n.nachbau;
    std::string wo;
    switch (a.art) {
    case Laufausgang::Art::Ausgang: wo = ortsName(a.x, a.y); break;
    case Laufausgang::Art::Loch: wo = "schwarzes Loch"; break;
    case Laufausgang::Art::Endlos: return QStringLiteral("kommt nie heraus");
    }
    return QString::fromStdString(laufText(wo, a.schritte, a.kontakte));
}

} // namespace

void Beobachtungsmodell::zeigen(const std::vector<Beobachtung>& zeilen, const Feld& nachbau)
{
    beginResetModel();
    zeilen_ = zeilen;
    marken_ = nachspielen(zeilen, nachbau);
    endResetModel();
}

QString Beobachtungsmodell::zusammenfassung() const
{
    int erklaert = 0;
    int vergleichbar = 0;
    for (const Nachspiel& n : marken_) {
        vergleichbar += n.stimmt.has_value();
        erklaert += n.stimmt.value_or(false);
    }
    return QStringLiteral("Dein Nachbau erklärt %1 von %2 vergleichbaren Beobachtungen.").arg(erklaert).arg(vergleichbar);
}

int Beobachtungsmodell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

int Beobachtungsmodell::columnCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : anzahlSpalten; }

QVariant Beobachtungsmodell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (rolle == Qt::TextAlignmentRole && index.column() != Start && index.column() != Ende &&
        index.column() != DeinNachbau)
        return QVariant::fromValue(Qt::AlignCenter);
    if (rolle != Qt::DisplayRole)
        return {};
    const auto zeile = static_cast<std::size_t>(index.row());
    const Beobachtung& b = zeilen_[zeile];
    switch (index.column()) {
    case Nr: return index.row() + 1;
    case Start: return QString::fromStdString(ortsName(b.start.x, b.start.y));
    case Ende: return QString::fromStdString(endeText(b));
    case Schritte: return b.schritte;
    case Kontakte: return b.kontakte;
    case Nachbau: return marke(marken_[zeile].stimmt);
    case DeinNachbau: return nachbauText(marken_[zeile]);
    default: return {};
    }
}

QVariant Beobachtungsmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole)
        return {};
    static const char* const titel[] = {"Nr", "Start", "Ende", "Schritte", "Kontakte", "Nachbau", "Dein Nachbau"};
    if (abschnitt < 0 || abschnitt >= anzahlSpalten)
        return {};
    return QString::fromUtf8(titel[abschnitt]);
}
