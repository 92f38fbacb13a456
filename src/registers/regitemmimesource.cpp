#include "registers/regitemmimesource.h"

#include "registers/regitem.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>

const char *const RegItemMimeSource::kPlainFormat = "text/plain";
const char *const RegItemMimeSource::kPrivateFormat = "RegView Private";

RegItemMimeSource::RegItemMimeSource(const QString &plain, const QString &privateText)
    : m_plain(plain)
    , m_private(privateText)
{
}

const char *RegItemMimeSource::format(int index) const
{
    switch (index) {
    case 0:
        return kPlainFormat;
    case 1:
        return kPrivateFormat;
    default:
        return nullptr;
    }
}

QByteArray RegItemMimeSource::encodedData(const char *format) const
{
    if (!format)
        return QByteArray();
    if (qstrcmp(format, kPlainFormat) == 0)
        return m_plain.toLocal8Bit();
    if (qstrcmp(format, kPrivateFormat) == 0)
        return m_private.toLocal8Bit();
    return QByteArray();
}

QStringList RegItemMimeSource::formats() const
{
    return {QLatin1String(kPlainFormat), QLatin1String(kPrivateFormat)};
}

bool RegItemMimeSource::hasFormat(const QString &mimeType) const
{
    return formats().contains(mimeType);
}

QVariant RegItemMimeSource::retrieveData(const QString &mimeType, QMetaType type) const
{
    if (!hasFormat(mimeType))
        return QVariant();
    const QByteArray bytes = encodedData(mimeType.toLatin1().constData());
    if (type.id() == QMetaType::QString)
        return QString::fromLocal8Bit(bytes);
    return bytes;
}

void RegItemMimeSource::copy(const QList<RegItem *> &items)
{
    QString plain;
    QString exact;
    for (RegItem *item : items) {
        const QString shown = item->copyText();
        plain += shown + QLatin1Char('\n');
        exact += (item->format() ? item->format()->hexText() : shown) + QLatin1Char('\n');
    }
    QGuiApplication::clipboard()->setMimeData(new RegItemMimeSource(plain, exact));
}

bool RegItemMimeSource::canDecode(const QMimeData *source)
{
    return source && source->hasFormat(QLatin1String(kPrivateFormat));
}

bool RegItemMimeSource::decode(const QMimeData *source, QString &text)
{
    text = canDecode(source) ? QString::fromLocal8Bit(source->data(QLatin1String(kPrivateFormat)))
                             : QString();
    return !text.isEmpty();
}

void RegItemMimeSource::paste(const QList<RegItem *> &items)
{
    const QMimeData *source = QGuiApplication::clipboard()->mimeData();
    if (!source)
        return;
    QString text;
    RegFormat::TextSource how = RegFormat::TextSource::Raw;
    if (!decode(source, text)) {
        text = source->text();
        how = RegFormat::TextSource::Formatted;
    }
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // The host hears of each value as it is pasted and may take items away meanwhile.
    QList<QPointer<RegItem>> targets;
    for (RegItem *item : items)
        targets.append(item);
    const qsizetype count = qMin(lines.size(), targets.size());
    for (qsizetype i = 0; i < count; ++i) {
        if (targets.at(i))
            targets.at(i)->paste(lines.at(i), how);
    }
}
