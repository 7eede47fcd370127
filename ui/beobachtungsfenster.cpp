// The launch record's window: a table view over the record, the summary line below it, and the marks' switch.
#include "ui/beobachtungsfenster.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/beobachtungsmodell.h"

Beobachtungsfenster::Beobachtungsfenster(QWidget* eltern)
    : QWidget(eltern, Qt::Window), modell_(new Beobachtungsmodell(this)), tabelle_(new QTableView(this)),
      zusammenfassung_(new QLabel(this)), marken_(new QCheckBox(QStringLiteral("Marken am Rand"), this))
{
    setWindowTitle(QStringLiteral("Tarnkiste – Beobachtungen"));
    tabelle_->setModel(modell_);
    tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->verticalHeader()->hide();
    tabelle_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabelle_->horizontalHeader()->setStretchLastSection(true);
    auto* spalten = new QVBoxLayout(this);
    spalten->addWidget(tabelle_);
    spalten->addWidget(zusammenfassung_);
    // On for every new game window; never stored.
    marken_->setChecked(true);
    marken_->setAccessibleDescription(QStringLiteral("Die Sonden als Nummern am Rand der Tarnkiste zeigen"));
    spalten->addWidget(marken_);
    connect(marken_, &QCheckBox::toggled, this, &Beobachtungsfenster::markenUmgeschaltet);
    resize(720, 400);
    connect(tabelle_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        const auto zeile = static_cast<std::size_t>(index.row());
        if (index.isValid() && zeile < modell_->zeilen().size())
            emit zeileGewaehlt(modell_->zeilen()[zeile]);
    });
    zeigen({}, Feld{});
}

void Beobachtungsfenster::zeigen(const std::vector<Beobachtung>& zeilen, const Feld& nachbau)
{
    modell_->zeigen(zeilen, nachbau);
    zusammenfassung_->setText(modell_->zusammenfassung());
    tabelle_->scrollToBottom();
}

void Beobachtungsfenster::aufNeuesteZeile()
{
    tabelle_->setFocus(Qt::ActiveWindowFocusReason);
    const int zeilen = modell_->rowCount();
    if (zeilen == 0)
        return;
    tabelle_->setCurrentIndex(modell_->index(zeilen - 1, 0));
    tabelle_->selectRow(zeilen - 1);
    tabelle_->scrollToBottom();
}
