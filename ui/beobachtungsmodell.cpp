// Texts of the launch record's rows: places as the board labels them, the ends, the marks.
#include "ui/beobachtungsmodell.h"

#include "model/beobachtungen.h"
#include "model/ortsname.h"

namespace {

enum Spalte { Nr, Start, Ende, Schritte, Kontakte, Nachbau, DeinNachbau, anzahlSpalten };

QString ende(const Beobachtung& b)
{
    switch (b.ende) {
    case Beobachtung::Ende::Ausgang: return QString::fromStdString(ortsName(b.endeX, b.endeY));
    case Beobachtung::Ende::Loch: return QStringLiteral("schwarzes Loch");
    case Beobachtung::Ende::Angehalten: break;
    }
    return QStringLiteral("angehalten");
}

QString marke(const std::optional<bool>& m)
{
    if (!m)
        return QStringLiteral("–");
    return *m ? QStringLiteral("✓ stimmt") : QStringLiteral("✗ weicht ab");
}

QString anzahl(long long n, const char* eins, const char* mehr)
{
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? eins : mehr));
}

// The model's run in the row's own words: "rechts 4, 10 Schritte, 1 Kontakt".
QString nachbauText(const Nachspiel& n)
{
    if (n.stimmt.value_or(true))
        return {};
    const Laufausgang& a = n.nachbau;
    QString wo;
    switch (a.art) {
    case Laufausgang::Art::Ausgang: wo = QString::fromStdString(ortsName(a.x, a.y)); break;
    case Laufausgang::Art::Loch: wo = QStringLiteral("schwarzes Loch"); break;
    case Laufausgang::Art::Endlos: return QStringLiteral("kommt nie heraus");
    }
    return wo + QStringLiteral(", ") + anzahl(a.schritte, "Schritt", "Schritte") + QStringLiteral(", ") +
           anzahl(a.kontakte, "Kontakt", "Kontakte");
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
    case Ende: return ende(b);
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
