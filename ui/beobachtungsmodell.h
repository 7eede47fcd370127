// The record of launches as a table for Qt's item views.
#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "model/beobachtungen.h"

// Seven columns: "Nr", "Start", "Ende", "Schritte", "Kontakte", "Nachbau", and
// "Dein Nachbau", what the model gives where it does not agree. It keeps a copy
// of the rows and their replay as last shown.
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
    std::vector<Nachspiel> marken_;
};
