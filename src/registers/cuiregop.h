#pragma once

#include <QMetaType>

// The operations on registers that the register items and views hand to their pane, which
// passes them to the host's handler.
enum CuiRegOp : quint32 {
    RegOpSetValue = 4,   // a new value text for the register
    RegOpViewMemory = 6, // open memory at the displayed value
    RegOpProperties = 7, // show the register's details
    RegOpUpdateView = 8, // refresh all values
    RegOpDataUpdate = 9, // a view wants fresh data
    RegOpMayChange = 10  // pointer to a word preset to 1; the host clears it to refuse
};

Q_DECLARE_METATYPE(CuiRegOp)
