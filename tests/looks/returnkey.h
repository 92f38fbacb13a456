#pragma once

// Return pressed at once in a dialog, from where its focus first lands, as a keyboard user
// presses it after typing into the first field: it may press the dialog's default button, but
// it must press no push button that opens another window (a chooser, a dialog for a new entry).

#include <QPointer>
#include <QString>
#include <QStringList>

class QDialog;
class QPushButton;
class QWidget;

namespace looks {

class Faults;

inline constexpr const char *kReturnOpens = "opens another window on Return from the first focus";

class ReturnKey
{
public:
    explicit ReturnKey(Faults &faults)
        : m_faults(faults)
    {
    }

    // Where the window's focus lands once it is active (it is made active when it is not).
    static QWidget *firstFocus(QWidget *window);

    // Whether Return is being pressed now: a modal window that shows meanwhile is one it opened
    // and goes to opened() instead of being looked at.
    bool pressing() const { return m_pressing; }
    void opened(const QWidget *window);

    // Presses Return (and lets it go) on the first focus, a widget of the dialog, or on the
    // dialog itself when it had none. The dialog may well close: it answers as its user would.
    void press(QDialog *dialog, QWidget *firstFocus, const QString &name);

private:
    Faults &m_faults;
    bool m_pressing = false;
    QPointer<QPushButton> m_pressed;
    QStringList m_opened;
};

} // namespace looks
