// An edit of the model field undone and redone cell by cell.
#include "ui/bearbeitungsschritt.h"

Bearbeitungsschritt::Bearbeitungsschritt(const QString& text, std::vector<Zellaenderung> aenderungen, Anwenden anwenden)
    : QUndoCommand(text), aenderungen_(std::move(aenderungen)), anwenden_(std::move(anwenden))
{
}

void Bearbeitungsschritt::undo() { anwenden_(aenderungen_, true); }

void Bearbeitungsschritt::redo()
{
    if (std::exchange(getan_, false))
        return;
    anwenden_(aenderungen_, false);
}
