#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>

class KFormattedData;
class KMediator_Display;
class KMediator_Format;
class QFont;
class QMenu;
class QWidget;

// One formatted value of the formatting library for the data and character tables: the
// field's size and format type, its text for a field's bytes, its format menu and the
// placeholders of fields that show no value.
class KViewMemoryDataFormatter : public QObject
{
    Q_OBJECT

public:
    explicit KViewMemoryDataFormatter(QObject *parent = nullptr);
    ~KViewMemoryDataFormatter() override;

    // Type family + "_" + bits: ("hex", 4) gives "hex_32".
    void setFieldSize(int bytes, const QString &family);
    // Refuses sizes other than 8, 16, 32 and 64 bits, keeping the format it had.
    bool setFormat(int bits, const QString &typeName);
    void format(int &bits, QString &typeName) const;
    int fieldSize() const { return m_fieldSize; }

    // The text of one field, read from `fieldSize()` little-endian bytes.
    QString formatBytes(const uint8_t *bytes);

    void setFont(const QFont &font);
    void setParentWidget(QWidget *widget);
    void fillFormatMenu(QMenu *popup);
    void endFormatMenu();

    QString notReadText() const;
    QString unavailableText() const;
    static QString unavailableChar();
    static QChar displayChar(uint8_t byte);

    KFormattedData &value() { return *m_value; }
    KMediator_Format &engine() { return *m_engine; }

Q_SIGNALS:
    void sigFormatChangedOnContextMenu();

public Q_SLOTS:
    void slotFormatChangedOnContextMenu(int id);

private:
    KMediator_Display &display();
    void applySize(int bytes);

    std::unique_ptr<KFormattedData> m_value;
    std::unique_ptr<KMediator_Display> m_display;
    std::unique_ptr<KMediator_Format> m_engine;
    int m_fieldSize = 4;
    QByteArray m_reply;
};
