#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The host's context popups arrive as text, one item a line: leading marks ("!" disabled,
// "=" checked, "-" checked and disabled), then the item: empty for a separator, "#key:id" for
// an item with a label from the label dictionary, or its own text. A text in which every item
// ends with ":number" (as context menus render) gives the items those numbers and their texts
// unchanged, after undoing the escapes of escapeText. A line of "$" stands for the three dock
// items, "^" for the first two of them.
class PopupDefinition
{
public:
    struct Item
    {
        bool separator = false;
        int id = 0;
        QString text;
        bool checked = false;
        bool disabled = false;

        bool operator==(const Item &other) const;
    };

    enum DockItem { DockOrFloat = 666, Hide = 667, Close = 668 };

    // The label of a dictionary key ("#120"), or an empty text.
    using LabelLookup = std::function<QString(const QString &key)>;
    // The text of the main menu tables' item with a host id, or an empty text.
    using TableText = std::function<QString(int hostId)>;

    static QList<Item> parse(const QString &definition, const LabelLookup &label,
                             const TableText &tableText);

    // An item text of a context menu as its definition line carries it: "\", line breaks and
    // a leading mark or "#" are escaped with "\", so that any text comes back from parse
    // unchanged and the same item on the same line.
    static QByteArray escapeText(const QByteArray &text);

private:
    struct Marks;
    static Marks readMarks(const QString &line);
    static bool allItemsNumbered(const QStringList &lines);
    static Item itemFor(const QString &remainder, int runningId, bool numbered,
                        const LabelLookup &label, const TableText &tableText);
    static void appendDockItems(QList<Item> &items, bool withClose);
    static QString unescapeText(const QString &text);
};
