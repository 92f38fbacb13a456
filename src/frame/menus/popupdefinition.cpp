#include "frame/menus/popupdefinition.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstring>

struct PopupDefinition::Marks
{
    bool checked = false;
    bool disabled = false;
    // '$' or '^' when the line stands for dock items, else 0.
    char dockItems = 0;
    qsizetype length = 0;
};

bool PopupDefinition::Item::operator==(const Item &other) const
{
    return separator == other.separator && id == other.id && text == other.text &&
           checked == other.checked && disabled == other.disabled;
}

PopupDefinition::Marks PopupDefinition::readMarks(const QString &line)
{
    Marks marks;
    for (; marks.length < line.size(); ++marks.length) {
        const QChar mark = line.at(marks.length);
        if (mark == QLatin1Char('!')) {
            marks.disabled = true;
        } else if (mark == QLatin1Char('=')) {
            marks.checked = true;
        } else if (mark == QLatin1Char('-')) {
            marks.checked = marks.disabled = true;
            ++marks.length;
            break;
        } else if (mark == QLatin1Char('$') || mark == QLatin1Char('^')) {
            marks.dockItems = char(mark.unicode());
            break;
        } else {
            break;
        }
    }
    return marks;
}

namespace {

// Characters that mean something at the start of a definition line.
constexpr char kLeadingMarks[] = "!=-$^#";

} // namespace

QByteArray PopupDefinition::escapeText(const QByteArray &text)
{
    QByteArray escaped;
    escaped.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\r')
            escaped += "\\r";
        else if (i == 0 && c && std::strchr(kLeadingMarks, c))
            escaped += '\\' + QByteArray(1, c);
        else
            escaped += c;
    }
    return escaped;
}

QString PopupDefinition::unescapeText(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
        if (c != QLatin1Char('\\') || next.isNull()) {
            plain += c;
        } else if (next == QLatin1Char('n')) {
            plain += QLatin1Char('\n');
            ++i;
        } else if (next == QLatin1Char('r')) {
            plain += QLatin1Char('\r');
            ++i;
        } else if (next == QLatin1Char('\\') ||
                   (next.unicode() < 0x80 && std::strchr(kLeadingMarks, next.toLatin1()))) {
            plain += next;
            ++i;
        } else {
            plain += c;
        }
    }
    return plain;
}

namespace {

const QRegularExpression &numberedText()
{
    static const QRegularExpression numbered(QStringLiteral("^(.+):(\\d+)$"));
    return numbered;
}

} // namespace

bool PopupDefinition::allItemsNumbered(const QStringList &lines)
{
    bool any = false;
    for (const QString &line : lines) {
        const Marks marks = readMarks(line);
        const QString remainder = line.mid(marks.length);
        if (marks.dockItems || remainder.isEmpty())
            continue;
        if (!numberedText().match(remainder).hasMatch())
            return false;
        any = true;
    }
    return any;
}

PopupDefinition::Item PopupDefinition::itemFor(const QString &remainder, int runningId,
                                               bool numbered, const LabelLookup &label,
                                               const TableText &tableText)
{
    static const QRegularExpression keyed(QStringLiteral("^(#\\d+):(\\d+)$"));
    Item item;
    if (remainder.isEmpty()) {
        item.separator = true;
        return item;
    }
    item.id = runningId;
    const QRegularExpressionMatch match = keyed.match(remainder);
    const QRegularExpressionMatch text =
        numbered ? numberedText().match(remainder) : QRegularExpressionMatch();
    if (!match.hasMatch() && text.hasMatch()) {
        // A context menu's own text, shown as it is, with the item's number behind it.
        item.id = text.captured(2).toInt();
        item.text = unescapeText(text.captured(1));
        return item;
    }
    if (match.hasMatch()) {
        item.id = match.captured(2).toInt();
        item.text = label(match.captured(1));
        if (item.text.isEmpty())
            item.text = tableText(item.id);
    } else {
        item.text = label(remainder);
    }
    if (item.text.isEmpty())
        item.text = remainder;
    return item;
}

void PopupDefinition::appendDockItems(QList<Item> &items, bool withClose)
{
    items.append({false, DockOrFloat, QCoreApplication::translate("QObject", "Dock/Float")});
    items.append({false, Hide, QCoreApplication::translate("QObject", "Hide")});
    if (withClose)
        items.append({false, Close, QCoreApplication::translate("QObject", "Close")});
}

QList<PopupDefinition::Item> PopupDefinition::parse(const QString &definition,
                                                    const LabelLookup &label,
                                                    const TableText &tableText)
{
    QList<Item> items;
    if (definition.isEmpty())
        return items;
    QStringList lines = definition.split(QLatin1Char('\n'));
    // A final line feed ends the last line; it does not start an empty one.
    if (lines.last().isEmpty())
        lines.removeLast();
    // Rendered context menus end every item with ":number"; only then is a text's ending
    // read as its number, so that hand-written items such as "Stop at 12:30" keep theirs.
    const bool numbered = allItemsNumbered(lines);
    int runningId = 0;
    for (const QString &line : lines) {
        const Marks marks = readMarks(line);
        if (marks.dockItems) {
            appendDockItems(items, marks.dockItems == '$');
            continue;
        }
        Item item = itemFor(line.mid(marks.length), runningId, numbered, label, tableText);
        if (!item.separator) {
            item.checked = marks.checked;
            item.disabled = marks.disabled;
        }
        items.append(item);
        ++runningId;
    }
    return items;
}
