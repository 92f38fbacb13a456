#pragma once

class QBoxLayout;
class QPushButton;
class QWidget;

// A push button of a hand-built dialog form, named as the form's tests and the host's scripts
// know it and put at the end of its row. In a dialog it is an auto-default button already; the
// default one answers Return.
QPushButton *addFormButton(QWidget *form, QBoxLayout *row, const char *objectName,
                           bool isDefault = false);
