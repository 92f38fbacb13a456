#pragma once

#include <glyphon/kformatteddata.h>

#include <QObject>
#include <QString>

class KMediator_Format;
class QFont;
class QWidget;
class RegDataItem;

// The value of one register as bytes and as the text its register item shows: formatted,
// parsed and edited in place through the formatting library. The format type starts from the
// register's name and type; the format menu changes it.
class RegFormat final : public QObject
{
    Q_OBJECT

public:
    static constexpr int kValueBytes = 16;

    // The radix a register type asks for (16, 10 or 2), 0 for the others.
    static int radixOf(quint32 registerType);

    // How a text is read: as a hexadecimal number of up to 128 bits, or as the format reads it.
    enum class TextSource { Formatted, Raw };

    // The engine is the data set's (none for the built-in data sets); not owned.
    RegFormat(const RegDataItem &item, KMediator_Format *engine, const QFont &labelFont,
              const QFont &valueFont, QObject *parent = nullptr);
    ~RegFormat() override;

    const QString &text() const { return m_text; }
    // Reads the text and returns the new display text.
    QString setText(const QString &text, TextSource source);
    // Like setText, but text that does not read changes nothing and gives false.
    bool setTextFormatted(const QString &text, TextSource source);
    // Runs the library's in-place editor over the widget; true when an edit was accepted.
    bool editInPlace(QWidget *widget);
    // Applies a format menu entry that the user picked.
    void setMenuOption(int option);

    // The value in the named format type, without changing this format.
    QString formatWith(const QString &typeName);
    // The clipboard texts: rawText reads back as the value, hexText is its hexadecimal text.
    QString rawText();
    QString hexText();

    KMediator_Format *formatEngine() const { return m_engine; }
    KFormattedData *formattedData() { return &m_data; }
    QString formatTypeName() const { return m_data.GetInitialFormatTypeName(); }
    int size() const { return m_data.GetSize(); }
    const unsigned char *value() const { return m_value; }
    int radix() const { return m_radix; }
    bool isNameFormat() const { return m_nameFormat; }
    // How the register's new values and typed texts are read.
    TextSource inputSource() const
    {
        return m_rawHexInput ? TextSource::Raw : TextSource::Formatted;
    }

private:
    KMediator_Format &engine() const;
    void chooseInitialFormat(const RegDataItem &item);
    bool isFloatingPoint() const;
    bool readRaw(const QString &text, unsigned char *bytes);
    void reformat();
    QString formatAs(const QString &typeName, int bits);

    unsigned char m_value[kValueBytes] = {};
    QString m_text;
    qint32 m_radix = 0;
    quint8 m_nameFormat = 0;
    quint8 m_rawHexInput = 1;
    KMediator_Format *m_engine;
    KFormattedData m_data;
    qint32 m_width;
    // Reads raw text: every register item reads every new value through it.
    KFormattedData m_raw;
};
