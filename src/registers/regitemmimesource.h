#pragma once

#include <QList>
#include <QMimeData>
#include <QString>

class RegItem;

// Register values on the clipboard: the displayed texts for other programs, and an exact
// hexadecimal text under a format of the register views' own, which a paste prefers so that
// a value keeps its bits whatever its display format.
class RegItemMimeSource final : public QMimeData
{
    Q_OBJECT

public:
    static const char *const kPlainFormat;
    static const char *const kPrivateFormat;

    RegItemMimeSource(const QString &plain, const QString &privateText);

    // The format of an index: 0 plain text, 1 the private text; null for any other.
    const char *format(int index) const;
    // The text of a format in the local 8-bit encoding, without terminator; empty for a format
    // that is not provided.
    QByteArray encodedData(const char *format) const;

    QStringList formats() const override;
    bool hasFormat(const QString &mimeType) const override;

    // One line per item, in the order given.
    static void copy(const QList<RegItem *> &items);
    static bool canDecode(const QMimeData *source);
    // The private text; true when it is not empty.
    static bool decode(const QMimeData *source, QString &text);
    // Line i goes to item i; the private text is read as raw hexadecimal, plain text by each
    // item's format.
    static void paste(const QList<RegItem *> &items);

protected:
    QVariant retrieveData(const QString &mimeType, QMetaType type) const override;

private:
    QString m_plain;
    QString m_private;
};
