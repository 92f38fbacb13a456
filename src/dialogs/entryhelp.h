#pragma once

#include "dialogs/dialoghelp.h"

#include <QPixmap>

class QKeyEvent;
class QPushButton;

// The help record of the text entry dialogs, and the picture the plain entry shows.
struct EntryHelp
{
    CuiHelpFunction function = nullptr;
    int id = 0; // 0: no help, the Help button is hidden
    QPixmap picture;

    // Calls the function with the id when one is set.
    void call() const;
    // At the first show: the Help button only with a help id.
    void polishButton(QPushButton *helpButton) const;
    // F1 asks for help; true when the key was taken.
    bool takeKey(const QKeyEvent *event) const;
};
