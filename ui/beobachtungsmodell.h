// The record of launches as a table for Qt's item views.
#pragma once

#include <QAbstractTableModel>

#include <optional>
#include <vector>

#include "model/feld.h"

// Six columns: "Nr", "Start", "Ende", "Schritte", "Kontakte", "Nachbau".
// It keeps a copy of the rows and their marks as last shown.
class Beobachtungsmodell : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The rows and their marks against `nachbau`, shown anew.
    void zeigen(const std::vector<Beobachtung>& zeilen, const Feld& nachbau);
    const std::vector<Beobachtung>& zeilen() const { return zeilen_; }
    // "Dein Nachbau erklärt N von M vergleichbaren Beobachtungen."
    QString zusammenfassung() const;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

private:
    std::vector<Beobachtung> zeilen_;
    std::vector<std::optional<bool>> marken_;
};
