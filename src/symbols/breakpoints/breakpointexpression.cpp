#include "symbols/breakpoints/breakpointexpression.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

const QString notWord = QStringLiteral("$NOT$");
const QString maskWord = QStringLiteral("$MASK$");
const QString rangeMark = QStringLiteral("..");

// The messages belong to the breakpoint dialog that shows them.
QString translated(const char *text)
{
    return QCoreApplication::translate("BreakpointDlg", text);
}

// One option word (beginning with '$'); false with the message when it is refused.
bool takeOption(const QString &word, BreakpointExpression &parts, bool hasStart, QString &error)
{
    if (word == notWord) {
        if (hasStart || parts.hasRange || !parts.mask.isEmpty()) {
            error = translated(QT_TRANSLATE_NOOP(
                "BreakpointDlg",
                "The $NOT$ text must appear before the address, the address range and the "
                "mask value<p>Please put the $NOT$ field at the beginning of the location "
                "field."));
            return false;
        }
        if (parts.isNot) {
            error = translated(QT_TRANSLATE_NOOP(
                "BreakpointDlg",
                "The $NOT$ text must only be entered once into the location field.<p>Please "
                "enter the $NOT$ text only once."));
            return false;
        }
        parts.isNot = true;
        return true;
    }
    if (!word.startsWith(maskWord)) {
        error = translated(
                    QT_TRANSLATE_NOOP("BreakpointDlg", "The value %1 is not a recognized option."))
                    .arg(word.toHtmlEscaped());
        return false;
    }
    if (!parts.mask.isEmpty()) {
        error = translated(QT_TRANSLATE_NOOP(
            "BreakpointDlg",
            "You have entered more than one $MASK$ value<p>Please must enter only one $MASK$ "
            "value"));
        return false;
    }
    if (parts.hasRange) {
        error = translated(QT_TRANSLATE_NOOP(
            "BreakpointDlg",
            "You cannot enter $MASK$ and range values in the same expression<p>Please "
            "correct the expression that you have entered."));
        return false;
    }
    if (word.size() <= maskWord.size() || word.at(maskWord.size()) != u'=') {
        error = translated(QT_TRANSLATE_NOOP(
            "BreakpointDlg",
            "The format of the mask option is $MASK$=FFFFFFFF<p>Please correct the "
            "expression you have entered"));
        return false;
    }
    parts.mask = word.mid(maskWord.size() + 1);
    if (parts.mask.isEmpty()) {
        error = translated(QT_TRANSLATE_NOOP(
            "BreakpointDlg", "You must enter a valid mask value. The format of the mask option "
                             "is<p>$MASK$=FFFFFFFF"));
        return false;
    }
    return true;
}

// One range word; false with the message when it is refused.
bool takeRange(const QString &word, qsizetype mark, BreakpointExpression &parts, QString &error)
{
    if (parts.hasRange) {
        error =
            translated(QT_TRANSLATE_NOOP("BreakpointDlg", "You must only enter one address range"));
        return false;
    }
    if (!parts.mask.isEmpty()) {
        error = translated(QT_TRANSLATE_NOOP(
            "BreakpointDlg",
            "You cannot enter $MASK$ and range values in the same expression<p>Please "
            "correct the expression that you have entered."));
        return false;
    }
    parts.hasRange = true;
    parts.start = word.left(mark);
    QString rest = word.mid(mark + rangeMark.size());
    parts.isLength = rest.startsWith(u'+');
    parts.end = parts.isLength ? rest.mid(1) : rest;
    return true;
}

} // namespace

bool parseBreakpointExpression(const QString &text, BreakpointExpression &parts, QString &error)
{
    parts = BreakpointExpression();
    // A range's own start counts as a start for $NOT$, even when it was written empty.
    bool hasStart = false;
    const QStringList words = text.trimmed().split(u' ', Qt::SkipEmptyParts);
    for (const QString &word : words) {
        if (word.startsWith(u'$')) {
            if (!takeOption(word, parts, hasStart, error))
                return false;
            continue;
        }
        const qsizetype mark = word.indexOf(rangeMark);
        if (mark >= 0) {
            if (!takeRange(word, mark, parts, error))
                return false;
        } else {
            parts.start = word;
        }
        hasStart = true;
    }
    return true;
}

namespace tesk::breakpoints {

namespace {

QString refusal(ExpressionField field, const char *location, const char *value)
{
    return translated(field == ExpressionField::Location ? location : value);
}

} // namespace

ExpressionEdit addRangeToExpression(const QString &text, const QString &endWord,
                                    ExpressionField field)
{
    const QString input = text.trimmed();
    if (input.isEmpty())
        return {QStringLiteral("start..") + endWord, {}};
    if (input.contains(maskWord))
        return {
            input,
            refusal(
                field,
                QT_TRANSLATE_NOOP("BreakpointDlg",
                                  "You cannot add a range to a location which has a $MASK$"),
                QT_TRANSLATE_NOOP("BreakpointDlg",
                                  "You cannot add a range to a value match which has a $MASK$"))};
    if (input.contains(rangeMark))
        return {input, {}};
    if (input == notWord)
        return {input + QStringLiteral(" start..") + endWord, {}};
    return {input + rangeMark + endWord, {}};
}

ExpressionEdit addMaskToExpression(const QString &text, ExpressionField field)
{
    const QString input = text.trimmed();
    if (input.contains(rangeMark))
        return {
            input,
            refusal(
                field,
                QT_TRANSLATE_NOOP("BreakpointDlg",
                                  "You cannot add a $MASK$ to a location which has a range."),
                QT_TRANSLATE_NOOP("BreakpointDlg",
                                  "You cannot add a $MASK$ to a value match which has a range."))};
    if (input.contains(maskWord))
        return {input, {}};
    return {input + QStringLiteral(" $MASK$=0xFFFFFFFF"), {}};
}

QString addNotToExpression(const QString &text)
{
    const QString input = text.trimmed();
    return input.contains(notWord) ? input : notWord + u' ' + input;
}

} // namespace tesk::breakpoints
