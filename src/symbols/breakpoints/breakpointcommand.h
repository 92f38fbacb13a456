// The breakpoint dialog's OK as a core without widgets: the fields become one debugger command
// text, every expression checked with the host on the way, and the text is sent.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class BreakpointProxy;

namespace tesk::breakpoints {

class BreakpointHostFace;

// A row of a keyword table: the name the condition and action dialogs write before '=', the
// keyword the command carries, and how the host checks the value.
struct KeywordRow
{
    enum Kind {
        Expression = 0, // handler code 2
        Condition = 1,  // handler code 3
        Macro = 2,      // handler code 3
        Unchecked = 3
    };
    const char *name;
    const char *keyword;
    Kind kind;
};
using KeywordTable = std::vector<KeywordRow>;

const KeywordTable &qualifierKeywords();
const KeywordTable &actionKeywords();

// The widget to give the focus after a failure.
enum class CommandField { None, ForcedSize, Location, Value, Conditions, Actions };

// The dialog's fields as the user left them.
struct CommandInput
{
    uint32_t type = 0;                  // the current row's type value (0 to 7)
    std::optional<uint32_t> classValue; // the class combo's current class, if any
    bool forcedSizeEnabled = false;     // the force check box is enabled ...
    bool forcedSizeChecked = false;     // ... and checked
    QString forcedSize;
    QString location;
    QString value;
    QStringList conditions;
    QStringList actions;
    bool continueAfter = false;
    uint32_t mode = 0; // 0 create, 1 edit, 2 copy
    intptr_t vdata = 0;
    intptr_t textBox = 0;
    // An earlier OK of this dialog already cleared the edited breakpoint (its new command was
    // refused): there is nothing left to modify or replace.
    bool oldCleared = false;
};

struct CommandResult
{
    enum Code { Success = 0, Failure = 1, Cancelled = 2 };
    Code code = Success;
    QString command;
    QString error; // rich text
    // The error is that a part of the host is missing ('eeaccess', 'gui'), not the user's.
    bool critical = false;
    CommandField focus = CommandField::None;
    bool replace = false; // clear the edited breakpoint before sending
    bool cleared = false; // the edited breakpoint was cleared by this OK
    // The location field's text after white space was simplified, when it was read.
    std::optional<QString> locationText;
};

// Appends ",keyword:value" for every row whose name the table has; rows it does not know are
// left out. False with the message, and nothing appended, when the host refuses a value.
bool appendKeywordItems(QString &command, QString &error, const QStringList &rows,
                        const KeywordTable &table, BreakpointHostFace &host);

// Builds the command for the fields. unchanged is the proxy as it was before the user edited
// (edit mode compares with it).
CommandResult buildCommand(const CommandInput &input, BreakpointProxy &proxy,
                           const BreakpointProxy *unchanged, BreakpointHostFace &host);

// OK: stores location and value in the proxy, builds, and sends (the old breakpoint cleared
// first when it is to be replaced). Success means the dialog may close; otherwise it stays
// open, showing the error when there is one.
CommandResult acceptCommand(const CommandInput &input, BreakpointProxy &proxy,
                            const BreakpointProxy *unchanged, BreakpointHostFace &host);

} // namespace tesk::breakpoints
