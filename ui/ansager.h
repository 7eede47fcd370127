// Speaking to the screen reader without moving the focus: a text given here is heard at once.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// Qt 6.4 has no announcement of its own. The text becomes the accessible
// description of the object that has the focus, and its DescriptionChanged
// event goes out: a screen reader reads a change of the focused object's
// description (the same text again is sent again). The object gets its own
// description back as soon as the focus leaves it, or when the next text
// goes to another one. From Qt 6.8 on, the toolkit's announcement event is
// sent as well.
class Ansager : public QObject {
    Q_OBJECT
public:
    // `fenster` takes the text when the focus is outside it.
    explicit Ansager(QWidget* fenster);

    void ansagen(const QString& text);
    // The last text given, for the window to show or test.
    QString letzte() const { return letzte_; }

private:
    void zurueckgeben();

    QWidget* fenster_;
    QPointer<QWidget> traeger_;  // the object whose description is borrowed
    QString eigene_;             // its own description, given back later
    QString letzte_;
};
