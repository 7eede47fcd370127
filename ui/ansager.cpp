// The announcement: a borrowed description of the focused object, and the toolkit's announcement where it has one.
#include "ui/ansager.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

Ansager::Ansager(QWidget* fenster) : QObject(fenster), fenster_(fenster)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* alt, QWidget*) {
        if (alt && alt == traeger_)
            zurueckgeben();
    });
}

void Ansager::zurueckgeben()
{
    if (traeger_) {
        // The focus has left it by now, so the screen reader, which reads
        // the focused object, does not read its own text coming back.
        QWidget* w = traeger_;
        traeger_ = nullptr;
        w->setAccessibleDescription(eigene_);
    }
    traeger_ = nullptr;
}

void Ansager::ansagen(const QString& text)
{
    letzte_ = text;
    QWidget* ziel = QApplication::focusWidget();
    if (!ziel || ziel->window() != fenster_)
        ziel = fenster_;
    if (ziel != traeger_) {
        zurueckgeben();
        traeger_ = ziel;
        eigene_ = ziel->accessibleDescription();
    }
    if (ziel->accessibleDescription() == text) {
        // The widget sends nothing for an unchanged text; a second launch
        // with the same outcome must be heard too.
        QAccessibleEvent wieder(ziel, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&wieder);
    } else {
        ziel->setAccessibleDescription(text);
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent ansage(ziel, text);
    QAccessible::updateAccessibility(&ansage);
#endif
}
