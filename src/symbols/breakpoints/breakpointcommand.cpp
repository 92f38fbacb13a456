#include "symbols/breakpoints/breakpointcommand.h"

#include "symbols/breakpoints/breakpointexpression.h"
#include "symbols/breakpoints/breakpointhostface.h"
#include "symbols/breakpoints/breakpointproxy.h"
#include "symbols/breakpoints/hardwarecapabilities.h"

#include <QCoreApplication>

#include <exception>

namespace tesk::breakpoints {

namespace {

constexpr uint32_t kLastType = 7;
constexpr uint32_t kClassProcess = 4;
constexpr uint32_t kClassThread = 5;
constexpr int kLocationHistory = 0;
constexpr int kValueHistory = 1;

// The messages belong to the breakpoint dialog that shows them.
QString translated(const char *text)
{
    return QCoreApplication::translate("BreakpointDlg", text);
}

// Texts the user or the host wrote go into rich-text messages as plain text.
QString plain(const QString &text)
{
    return text.toHtmlEscaped();
}

QString missingEeaccess()
{
    return translated(QT_TRANSLATE_NOOP(
        "BreakpointDlg", "The entry point for the 'eeaccess' interface could not be found."));
}

QString missingGui()
{
    return translated(QT_TRANSLATE_NOOP(
        "BreakpointDlg", "The entry point for the 'gui' interface could not be found."));
}

QString noBreakpointNumber()
{
    return translated(QT_TRANSLATE_NOOP(
        "BreakpointDlg", "The number of the breakpoint being edited could not be obtained from the "
                         "debugger.<p>The breakpoint has not been changed."));
}

QString oldClearedNewRefused()
{
    return translated(QT_TRANSLATE_NOOP(
        "BreakpointDlg",
        "The breakpoint being edited has been cleared, but the debugger refused the new "
        "breakpoint.<p>Correct the breakpoint and press OK to set it, or press Cancel."));
}

QString typeKeyword(uint32_t type)
{
    static const char *const keywords[kLastType + 1] = {"binstr",
                                                        "bexec",
                                                        "bread",
                                                        "bwrite",
                                                        "baccess",
                                                        "bread,data_only",
                                                        "bwrite,data_only",
                                                        "baccess,data_only"};
    return QString::fromLatin1(keywords[type]);
}

QString classOption(uint32_t classValue)
{
    switch (classValue) {
    case 1:
        return QStringLiteral(",rtos:hsd");
    case 2:
        return QStringLiteral(",rtos:system");
    case kClassProcess:
        return QStringLiteral(",rtos:process");
    case kClassThread:
        return QStringLiteral(",rtos:thread");
    default:
        return QString(); // standard, tracepoint
    }
}

const KeywordRow *findKeyword(const KeywordTable &table, const QString &name)
{
    for (const KeywordRow &row : table) {
        if (name == QLatin1String(row.name))
            return &row;
    }
    return nullptr;
}

QString withoutBraces(QString value)
{
    if (value.startsWith(u'{'))
        value.remove(0, 1);
    if (value.endsWith(u'}'))
        value.chop(1);
    return value;
}

// One keyword row's check with the host; the message when it is refused, else empty.
QString checkKeywordValue(const KeywordRow &row, const QString &value, BreakpointHostFace &host)
{
    switch (row.kind) {
    case KeywordRow::Expression:
        return host.checkExpression(value)
                   ? QString()
                   : translated(QT_TRANSLATE_NOOP("BreakpointDlg",
                                                  "The expression '%1' cannot be evaluated."))
                         .arg(plain(value));
    case KeywordRow::Condition:
    case KeywordRow::Macro:
        if (host.checkCondition(value, QLatin1String(row.name)))
            return QString();
        return (row.kind == KeywordRow::Macro
                    ? translated(QT_TRANSLATE_NOOP(
                          "BreakpointDlg", "The macro expression '%1' cannot be evaluated."))
                    : translated(QT_TRANSLATE_NOOP("BreakpointDlg",
                                                   "The expression '%1' cannot be evaluated.")))
            .arg(plain(withoutBraces(value)));
    case KeywordRow::Unchecked:
        break;
    }
    return QString();
}

// The steps of buildCommand. Each step answers false after it has set a failure; the host's
// runtime errors become a failure of the step that ran into them.
class Builder
{
public:
    Builder(const CommandInput &input, BreakpointProxy &proxy, const BreakpointProxy *unchanged,
            BreakpointHostFace &host)
        : m_in(input)
        , m_proxy(proxy)
        , m_unchanged(unchanged)
        , m_host(host)
    {
    }

    CommandResult run(QString command)
    {
        try {
            if (buildPieces())
                m_result.command = command + m_text;
        } catch (const std::exception &e) {
            fail(QString::fromUtf8(e.what()));
        }
        return m_result;
    }

private:
    bool buildPieces()
    {
        return addKeyword() && addClass() && addSize() && fetchContext() && addLocation() &&
               addValue() && addHardwareItems() && addKeywordLists() && requireEeaccess() &&
               addEditMode() && addOperand() && recordHistories();
    }

    bool fail(const QString &message)
    {
        m_result.code = CommandResult::Failure;
        m_result.error = message;
        m_result.focus = m_field;
        return false;
    }

    // A part of the host that is missing altogether, not a field the user can mend.
    bool failCritical(const QString &message)
    {
        m_result.critical = true;
        return fail(message);
    }

    const HardwareCapabilities &capabilities()
    {
        if (!m_capabilities)
            m_capabilities.emplace(m_host.capabilities(m_in.vdata, m_in.type));
        return *m_capabilities;
    }

    bool addKeyword()
    {
        if (m_in.type > kLastType)
            return fail(translated(QT_TRANSLATE_NOOP("BreakpointDlg",
                                                     "The breakpoint type %1 is not known."))
                            .arg(m_in.type));
        m_text = typeKeyword(m_in.type);
        return true;
    }

    bool addClass()
    {
        if (m_in.type != 0 || !m_in.classValue)
            return true;
        const uint32_t classValue = *m_in.classValue;
        m_text += classOption(classValue);
        if (classValue == kClassProcess || classValue == kClassThread)
            m_trailer = QStringLiteral(" = ") + m_proxy.contextText(m_in.textBox);
        return true;
    }

    bool addSize()
    {
        if (!m_in.forcedSizeEnabled || !m_in.forcedSizeChecked)
            return true;
        m_field = CommandField::ForcedSize;
        if (m_in.forcedSize.isEmpty())
            return fail(translated(QT_TRANSLATE_NOOP(
                "BreakpointDlg",
                "You have checked the box to force the breakpoint size however you "
                "have not entered a size for the breakpoint.<p>Please enter a size "
                "for the breakpoint, or uncheck the box")));
        m_text += QStringLiteral(",size:") + m_in.forcedSize;
        m_field = CommandField::None;
        return true;
    }

    bool fetchContext()
    {
        m_context = m_in.vdata ? m_host.contextName() : QStringLiteral("UKN");
        return true;
    }

    bool locationWanted()
    {
        if (m_in.type == 0)
            return true;
        return m_in.type < 5 && capabilities().hardwareSupported();
    }

    bool addLocation()
    {
        m_field = CommandField::Location;
        if (!locationWanted()) {
            m_field = CommandField::None;
            return true;
        }
        const QString text = m_in.location.simplified();
        m_result.locationText = text;
        if (text.isEmpty())
            return fail(translated(QT_TRANSLATE_NOOP(
                "BreakpointDlg", "You must supply a Location: for the breakpoint.")));
        BreakpointExpression parts;
        QString error;
        if (!parseBreakpointExpression(text, parts, error))
            return fail(error);
        if (!m_host.checkExpression(parts.start))
            return fail(
                translated(QT_TRANSLATE_NOOP("BreakpointDlg",
                                             "The Location expression %1 cannot be evaluated."))
                    .arg(plain(parts.start)));
        m_location = parts.start;
        if (!addLocationMask(parts) || !addLocationRange(parts))
            return false;
        if (parts.isNot) {
            if (!capabilities().notAddressAllowed())
                return fail(translated(QT_TRANSLATE_NOOP(
                    "BreakpointDlg",
                    "$NOT$ address is not allowed for this type of breakpoint<p>Please "
                    "remove the $NOT$ from the location field.")));
            m_text += QStringLiteral(",hw_not:addr");
        }
        m_field = CommandField::None;
        return true;
    }

    bool addLocationMask(const BreakpointExpression &parts)
    {
        if (parts.mask.isEmpty())
            return true;
        if (!capabilities().addressMaskAllowed())
            return fail(translated(QT_TRANSLATE_NOOP(
                "BreakpointDlg",
                "Address Masks are not allowed for this type of breakpoint<p>Please "
                "remove the $MASK$ expression from the location field.")));
        if (!m_host.checkExpression(parts.mask))
            return fail(translated(QT_TRANSLATE_NOOP("BreakpointDlg",
                                                     "The Mask expression %1 cannot be evaluated."))
                            .arg(plain(parts.mask)));
        m_text += QStringLiteral(",hw_amask:(") + parts.mask + u')';
        return true;
    }

    bool addLocationRange(const BreakpointExpression &parts)
    {
        if (!parts.hasRange)
            return true;
        if (!capabilities().addressRangeAllowed())
            return fail(translated(QT_TRANSLATE_NOOP(
                "BreakpointDlg",
                "Address ranges are not allowed for this type of breakpoint<p>Please "
                "remove the address range from the location field.")));
        const QString end = parts.isLength ? u'+' + parts.end : parts.end;
        if (!m_host.checkExpression(parts.end))
            return fail(
                translated(QT_TRANSLATE_NOOP("BreakpointDlg",
                                             "The Location End expression %1 cannot be evaluated."))
                    .arg(plain(end)));
        m_location += QStringLiteral("..") + end;
        return true;
    }

    bool valueWanted()
    {
        if (m_in.type == 0 || m_in.type == 1 || m_in.value.trimmed().isEmpty())
            return false;
        return capabilities().hardwareSupported();
    }

    bool addValue()
    {
        m_field = CommandField::Value;
        if (!valueWanted()) {
            m_field = CommandField::None;
            return true;
        }
        if (!capabilities().dataMatchAllowed())
            return fail(translated(QT_TRANSLATE_NOOP(
                "BreakpointDlg", "Data matching is not allowed for this breakpoint type.")));
        BreakpointExpression parts;
        QString error;
        if (!parseBreakpointExpression(m_in.value, parts, error))
            return fail(error);
        if (!m_host.checkExpression(parts.start))
            return fail(
                translated(QT_TRANSLATE_NOOP("BreakpointDlg",
                                             "The Data value expression %1 cannot be evaluated."))
                    .arg(plain(parts.start)));
        m_text += QStringLiteral(",hw_dvalue:") + parts.start;
        if (!addValueMask(parts) || !addValueRange(parts))
            return false;
        if (parts.isNot) {
            // As for the address: the target said it cannot match the opposite, so the
            // command would only be refused further on, without the reason.
            if (!capabilities().notDataAllowed())
                return fail(translated(QT_TRANSLATE_NOOP(
                    "BreakpointDlg",
                    "$NOT$ data is not allowed for this type of breakpoint<p>Please "
                    "remove the $NOT$ from the value field.")));
            m_text += QStringLiteral(",hw_not:data");
        }
        m_valueStart = parts.start;
        m_field = CommandField::None;
        return true;
    }

    bool addValueMask(const BreakpointExpression &parts)
    {
        if (parts.mask.isEmpty())
            return true;
        if (!capabilities().dataMaskAllowed())
            return fail(translated(QT_TRANSLATE_NOOP(
                "BreakpointDlg",
                "Data value masks are not allowed for this breakpoint type.<p>Please "
                "remove the $MASK$ expression from the data value field.")));
        if (!m_host.checkExpression(parts.mask))
            return fail(translated(QT_TRANSLATE_NOOP(
                                       "BreakpointDlg",
                                       "The Data Value Mask expression %1 cannot be evaluated."))
                            .arg(plain(parts.mask)));
        m_text += QStringLiteral(",hw_dmask:") + parts.mask;
        return true;
    }

    bool addValueRange(const BreakpointExpression &parts)
    {
        if (!parts.hasRange)
            return true;
        if (!capabilities().dataRangeAllowed())
            return fail(translated(QT_TRANSLATE_NOOP(
                "BreakpointDlg",
                "Data value ranges are not allowed for this breakpoint type.<p>Please "
                "remove the range expression from the data value field.")));
        // The host checks the end or length as the user wrote it, and is named so.
        if (!m_host.checkExpression(parts.end))
            return fail(translated(QT_TRANSLATE_NOOP(
                                       "BreakpointDlg",
                                       "The Data End Address expression %1 cannot be evaluated."))
                            .arg(plain(parts.isLength ? u'+' + parts.end : parts.end)));
        m_text += QStringLiteral(",hw_dhigh:") + valueRangeHigh(parts);
        return true;
    }

    // The command knows only the highest value matched: a range given by its length ends
    // where its last value lies, left for the host to evaluate as any other expression.
    static QString valueRangeHigh(const BreakpointExpression &parts)
    {
        if (!parts.isLength)
            return parts.end;
        return QStringLiteral("(%1)+(%2)-1").arg(parts.start, parts.end);
    }

    bool addHardwareItems()
    {
        if (m_in.type == 0)
            return true;
        if (m_proxy.hasHardwarePassCount() && m_proxy.hardwarePassCount() != QLatin1String("Off"))
            m_text += QStringLiteral(",hw_pass:") + m_proxy.hardwarePassCount();
        if (!m_proxy.hasHardwareTriggers())
            return true;
        for (int i = 0; i < m_proxy.triggerCount(); ++i) {
            const HardwareTrigger &trigger = m_proxy.trigger(i);
            // Value 0 leaves the trigger as it is; no value chosen sends nothing either.
            if (!trigger.hasSelectedValue() || trigger.selection() == 0)
                continue;
            m_text +=
                (trigger.isInput() ? QStringLiteral(",hw_in:\"") : QStringLiteral(",hw_out:\"")) +
                trigger.name() + u'=' + trigger.selectedValue().second + u'"';
        }
        return true;
    }

    bool addKeywordLists()
    {
        QString error;
        m_field = CommandField::Conditions;
        if (!appendKeywordItems(m_text, error, m_in.conditions, qualifierKeywords(), m_host))
            return fail(error);
        m_field = CommandField::Actions;
        if (!appendKeywordItems(m_text, error, m_in.actions, actionKeywords(), m_host))
            return fail(error);
        m_field = CommandField::None;
        if (m_in.continueAfter)
            m_text += QStringLiteral(",continue");
        return true;
    }

    bool requireEeaccess() { return m_host.hasEeaccess() || failCritical(missingEeaccess()); }

    bool addEditMode()
    {
        // Once the old breakpoint is gone, an edit only sets the new one.
        if (m_in.mode != 1 || m_in.oldCleared)
            return true;
        if (m_unchanged && m_proxy.differs(*m_unchanged))
            return askReplace();
        const uint32_t number = m_proxy.breakpointNumber();
        if (number == 0)
            return fail(noBreakpointNumber());
        m_text += QStringLiteral(",modify:") + QString::number(number);
        return true;
    }

    bool askReplace()
    {
        QString changes;
        if (m_proxy.locationDiffers(*m_unchanged))
            changes += translated(QT_TRANSLATE_NOOP("BreakpointDlg", "Location<br>"));
        if (m_proxy.valueDiffers(*m_unchanged))
            changes += translated(QT_TRANSLATE_NOOP("BreakpointDlg", "Match Value<br>"));
        if (m_proxy.typeDiffers(*m_unchanged))
            changes += translated(QT_TRANSLATE_NOOP("BreakpointDlg", "Breakpoint Type<br>"));
        const QString question =
            translated(QT_TRANSLATE_NOOP("BreakpointDlg",
                                         "The following breakpoint items have been "
                                         "changed<p>%1<p>Do you want to replace "
                                         "the current breakpoint?<p>If you select No the current "
                                         "breakpoint will be left "
                                         "unchanged and a new breakpoint will be created."))
                .arg(changes);
        switch (m_host.askReplace(question)) {
        case BreakpointHostFace::Answer::Yes:
            m_result.replace = true;
            return true;
        case BreakpointHostFace::Answer::No:
            return true;
        case BreakpointHostFace::Answer::Cancel:
            break;
        }
        m_result.code = CommandResult::Cancelled;
        return false;
    }

    bool addOperand()
    {
        if (!m_location.isEmpty())
            m_text += u' ' + m_location;
        m_text += m_trailer;
        return true;
    }

    bool recordHistories()
    {
        if (!m_host.hasGui())
            return failCritical(missingGui());
        if (!m_location.isEmpty())
            m_host.recordHistory(kLocationHistory, m_context, m_location);
        if (!m_valueStart.isEmpty())
            m_host.recordHistory(kValueHistory, m_context, m_valueStart);
        return true;
    }

    const CommandInput &m_in;
    BreakpointProxy &m_proxy;
    const BreakpointProxy *m_unchanged;
    BreakpointHostFace &m_host;
    std::optional<HardwareCapabilities> m_capabilities;
    CommandResult m_result;
    CommandField m_field = CommandField::None;
    QString m_text;
    QString m_trailer;
    QString m_context;
    QString m_location;
    QString m_valueStart;
};

// Sends the built command; false when the dialog is to stay open.
bool send(const CommandResult &built, BreakpointProxy &proxy, BreakpointHostFace &host,
          CommandResult &result)
{
    if (!host.hasEeaccess() || !host.hasGui()) {
        result.code = CommandResult::Failure;
        result.error = host.hasEeaccess() ? missingGui() : missingEeaccess();
        result.critical = true;
        return false;
    }
    if (built.replace) {
        const uint32_t number = proxy.breakpointNumber();
        if (number == 0) {
            result.code = CommandResult::Failure;
            result.error = noBreakpointNumber();
            return false;
        }
        const QString clear = QStringLiteral("clear,h ") + QString::number(number);
        host.guiCommand(clear);
        if (host.eeaccessCommand(clear) != 0) {
            result.code = CommandResult::Failure;
            return false;
        }
        result.cleared = true;
    }
    if (host.eeaccessCommand(QStringLiteral("gui ") + built.command) == 1) {
        result.code = CommandResult::Failure;
        // The engine refusing a plain command says why itself; after a clear the user must
        // learn that the old breakpoint is gone.
        if (result.cleared)
            result.error = oldClearedNewRefused();
        return false;
    }
    host.guiCommand(built.command);
    return true;
}

} // namespace

const KeywordTable &qualifierKeywords()
{
    static const KeywordTable table = {
        {"PassCount", "pass", KeywordRow::Expression},
        {"WhenNot", "when_not", KeywordRow::Condition},
        {"When", "when", KeywordRow::Condition},
        {"UserMacro", "macro", KeywordRow::Macro},
        {"C++Object", "obj", KeywordRow::Expression},
    };
    return table;
}

const KeywordTable &actionKeywords()
{
    static const KeywordTable table = {
        {"WinUpdate", "update", KeywordRow::Unchecked},
        {"Message", "message", KeywordRow::Unchecked},
    };
    return table;
}

bool appendKeywordItems(QString &command, QString &error, const QStringList &rows,
                        const KeywordTable &table, BreakpointHostFace &host)
{
    QString collected;
    for (const QString &row : rows) {
        const qsizetype equals = row.indexOf(u'=');
        const QString name = equals < 0 ? row : row.left(equals);
        const QString value = equals < 0 ? QString() : row.mid(equals + 1);
        const KeywordRow *entry = findKeyword(table, name);
        if (!entry)
            continue;
        error = checkKeywordValue(*entry, value, host);
        if (!error.isEmpty())
            return false;
        collected += u',' + QLatin1String(entry->keyword) + u':' + value;
    }
    command += collected;
    return true;
}

CommandResult buildCommand(const CommandInput &input, BreakpointProxy &proxy,
                           const BreakpointProxy *unchanged, BreakpointHostFace &host)
{
    return Builder(input, proxy, unchanged, host).run(QString());
}

CommandResult acceptCommand(const CommandInput &input, BreakpointProxy &proxy,
                            const BreakpointProxy *unchanged, BreakpointHostFace &host)
{
    proxy.setLocation(input.location);
    proxy.setValue(input.value);
    CommandResult result = buildCommand(input, proxy, unchanged, host);
    if (result.code != CommandResult::Success)
        return result;
    try {
        send(result, proxy, host, result);
    } catch (const std::exception &e) {
        result.code = CommandResult::Failure;
        result.error = QString::fromUtf8(e.what());
    }
    return result;
}

} // namespace tesk::breakpoints
