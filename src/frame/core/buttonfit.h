#pragma once

#include <QChar>
#include <QStringList>

class QLineEdit;
class QPushButton;

// Sizes a push button to its text, for the small browse buttons beside file-name fields: the
// height stays, the width becomes the text's width in the button's font plus that of the extra
// character, never less than the height, so a button without text comes out square.
void fitButtonToText(QPushButton *button, QChar extra);

// Keeps a read-only line that shows one of several fixed texts (a hint beside a field) at least
// as wide as the widest of them, so that none is cut off whichever the line shows.
void fitLineToTexts(QLineEdit *line, const QStringList &texts);
