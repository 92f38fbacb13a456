#include "dialogs/entryhelp.h"

#include <QKeyEvent>
#include <QPushButton>

void EntryHelp::call() const
{
    if (function)
        function(id);
}

void EntryHelp::polishButton(QPushButton *helpButton) const
{
    if (id == 0)
        helpButton->hide();
}

bool EntryHelp::takeKey(const QKeyEvent *event) const
{
    if (event->key() != Qt::Key_F1)
        return false;
    call();
    return true;
}
