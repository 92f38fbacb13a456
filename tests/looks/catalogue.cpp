#include "catalogue.h"

#include <QFile>
#include <QtEndian>

namespace looks {

namespace {

// The block and field tags of the compiled catalogue format.
constexpr uchar kMessagesBlock = 0x69;
constexpr uchar kEnd = 1;
constexpr uchar kTranslation = 3;
constexpr uchar kObsolete1 = 5;
constexpr uchar kSourceText = 6;
constexpr uchar kContext = 7;
constexpr uchar kComment = 8;
constexpr int kMagicLength = 16;

quint32 word(const QByteArray &data, qsizetype at)
{
    return qFromBigEndian<quint32>(data.constData() + at);
}

// Translations are stored as big-endian UTF-16.
QString utf16BigEndian(const QByteArray &field)
{
    QString text;
    text.reserve(field.size() / 2);
    for (qsizetype i = 0; i + 1 < field.size(); i += 2)
        text += QChar(char16_t(qFromBigEndian<quint16>(field.constData() + i)));
    return text;
}

} // namespace

bool Catalogue::read(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    qsizetype at = kMagicLength;
    while (at + 5 <= data.size()) {
        const uchar tag = uchar(data.at(at));
        const quint32 length = word(data, at + 1);
        at += 5;
        if (length > quint32(data.size() - at))
            return false;
        if (tag == kMessagesBlock)
            readMessages(data.mid(at, length));
        at += length;
    }
    return !m_translations.isEmpty();
}

void Catalogue::readMessages(const QByteArray &block)
{
    QString context, source, translation;
    qsizetype at = 0;
    while (at < block.size()) {
        const uchar tag = uchar(block.at(at++));
        if (tag == kEnd) {
            // A text that reads the same in German is German where it is shown.
            if (!translation.isEmpty())
                m_targets.insert(translation);
            if (!source.isEmpty() && !translation.isEmpty()) {
                m_entries.insert(context + QLatin1Char('\x04') + source);
                if (translation == source)
                    m_same.insert(source);
                else
                    m_translations.insert(source, translation);
            }
            context.clear();
            source.clear();
            translation.clear();
            continue;
        }
        if (tag == kObsolete1) {
            at += 4;
            continue;
        }
        if (at + 4 > block.size())
            return;
        const quint32 length = word(block, at);
        at += 4;
        if (length == 0xffffffffu)
            continue;
        if (length > quint32(block.size() - at))
            return;
        const QByteArray field = block.mid(at, length);
        at += length;
        if (tag == kTranslation)
            translation = utf16BigEndian(field);
        else if (tag == kSourceText)
            source = QString::fromUtf8(field);
        else if (tag == kContext)
            context = QString::fromUtf8(field);
        else if (tag != kComment)
            return;
    }
}

QString Catalogue::other(const QString &source) const
{
    return m_translations.value(source);
}

} // namespace looks
