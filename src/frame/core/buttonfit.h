#pragma once

#include <QChar>

class QPushButton;

// Sizes a push button to its text, for the small browse buttons beside file-name fields: the
// height stays, the width becomes the text's width in the button's font plus that of the extra
// character, never less than the height, so a button without text comes out square.
void fitButtonToText(QPushButton *button, QChar extra);
