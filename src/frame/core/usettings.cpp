#include "frame/core/usettings.h"

#include <QRegularExpression>

namespace usettings {

namespace {

// The stored strings are 8-bit; Latin-1 keeps every byte as it was.
QString fromEightBit(const std::string &text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

std::string toEightBit(const QString &text)
{
    return text.toLatin1().toStdString();
}

QString escaped(QString value)
{
    value.replace(QLatin1String("#"), QLatin1String("##"));
    value.replace(QLatin1Char(':'), QLatin1Char('#'));
    return value;
}

QString unescaped(QString value)
{
    const QChar placeholder(u'\0');
    value.replace(QLatin1String("##"), QString(placeholder));
    value.replace(QLatin1Char('#'), QLatin1Char(':'));
    value.replace(placeholder, QLatin1Char('#'));
    return value;
}

// The escaping above writes ":#" and "#:" alike, and "::" as "#": such a value would come back
// changed (a target's name, and with it its place). Such a value is written as always, then
// once more right behind it, as the item "#=name=value" with every ":" as "#c": readers of the
// first form pass over that item (its name is too short to be one) and read the rest as they
// always did. Texts of one version wrote the whole group in the second form behind the item
// "#=2" instead; they are still read.
const QString kExactPrefix = QStringLiteral("#=");
const QString kExactMark = QStringLiteral("#=2");

QString escapedExactly(QString value)
{
    value.replace(QLatin1String("#"), QLatin1String("##"));
    value.replace(QLatin1Char(':'), QLatin1String("#c"));
    return value;
}

QString unescapedExactly(const QString &value)
{
    QString plain;
    plain.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('#')) {
            plain += value[i];
        } else if (i + 1 < value.size() && value[i + 1] == QLatin1Char('#')) {
            plain += QLatin1Char('#');
            ++i;
        } else {
            plain += QLatin1Char(':');
            if (i + 1 < value.size() && value[i + 1] == QLatin1Char('c'))
                ++i;
        }
    }
    return plain;
}

} // namespace

KUniversalSettingsEntry::~KUniversalSettingsEntry()
{
    delete m_value;
}

KUniversalSettingsValue &KUniversalSettingsEntry::value()
{
    if (!m_value)
        createValue(m_value);
    return *m_value;
}

void KUniversalSettingsEntry::createValue(KUniversalSettingsValue *&record)
{
    record = new KUniversalSettingsValue;
}

void KUniversalSettingsEntry::setName(const std::string &name)
{
    value().name = name;
}

std::string KUniversalSettingsEntry::name()
{
    return value().name;
}

void KUniversalSettingsEntry::setString(const std::string &text)
{
    value().value = QVariant(fromEightBit(text));
}

std::string KUniversalSettingsEntry::getString()
{
    return toEightBit(value().value.toString());
}

void KUniversalSettingsEntry::setInt(int number)
{
    value().value = QVariant(number);
}

int KUniversalSettingsEntry::getInt()
{
    return value().value.toInt();
}

void KUniversalSettingsEntry::setULongLong(unsigned long long number)
{
    value().value = QVariant(qulonglong(number));
}

unsigned long long KUniversalSettingsEntry::getULongLong()
{
    return value().value.toULongLong();
}

std::string KUniversalSettingsEntry::valueText() const
{
    return m_value ? toEightBit(m_value->value.toString()) : std::string();
}

bool KUniversalSettingsEntry::isValidName(const std::string &name)
{
    static const QRegularExpression forbidden(QStringLiteral("[=:]"));
    return !fromEightBit(name).contains(forbidden);
}

KUniversalSettingsGroup::~KUniversalSettingsGroup()
{
    clear();
}

KUniversalSettingsEntry *KUniversalSettingsGroup::newChild(const std::string &name)
{
    KUniversalSettingsEntry *entry = nullptr;
    createEntry(name, entry);
    return entry;
}

void KUniversalSettingsGroup::setString(const std::string &name, const std::string &text)
{
    KUniversalSettingsEntry *entry = newChild(name);
    entry->setString(text);
    addChild(entry);
}

std::string KUniversalSettingsGroup::getString(const std::string &name)
{
    KUniversalSettingsEntry *child = findChild(name);
    return child ? child->getString() : std::string();
}

void KUniversalSettingsGroup::setInt(const std::string &name, int number)
{
    KUniversalSettingsEntry *entry = newChild(name);
    entry->setInt(number);
    addChild(entry);
}

int KUniversalSettingsGroup::getInt(const std::string &name)
{
    KUniversalSettingsEntry *child = findChild(name);
    return child ? child->getInt() : 0;
}

void KUniversalSettingsGroup::setULongLong(const std::string &name, unsigned long long number)
{
    KUniversalSettingsEntry *entry = newChild(name);
    entry->setULongLong(number);
    addChild(entry);
}

unsigned long long KUniversalSettingsGroup::getULongLong(const std::string &name)
{
    KUniversalSettingsEntry *child = findChild(name);
    return child ? child->getULongLong() : 0;
}

void KUniversalSettingsGroup::createEntry(const std::string &name, KUniversalSettingsEntry *&entry)
{
    entry = new KUniversalSettingsEntry;
    entry->setName(name);
}

void KUniversalSettingsGroup::createGroup(const std::string &name, KUniversalSettingsEntry *&entry)
{
    entry = new KUniversalSettingsGroup;
    entry->setName(name);
}

void KUniversalSettingsGroup::addChild(KUniversalSettingsEntry *child)
{
    if (!child)
        return;
    KUniversalSettingsEntry *&slot = m_children[child->name()];
    if (slot != child)
        delete slot;
    slot = child;
}

void KUniversalSettingsGroup::clear()
{
    for (auto &child : m_children)
        delete child.second;
    m_children.clear();
}

KUniversalSettingsEntry *KUniversalSettingsGroup::findChild(const std::string &name) const
{
    const auto found = m_children.find(name);
    return found == m_children.end() ? nullptr : found->second;
}

KUniversalSettings::~KUniversalSettings() = default;

bool writtenAlike(const std::string &first, const std::string &second)
{
    return escaped(fromEightBit(first)) == escaped(fromEightBit(second));
}

void settingsToString(const KUniversalSettingsGroup &group, std::string &text)
{
    QString form = QStringLiteral("1:");
    for (auto child = group.begin(); child != group.end(); ++child) {
        const QString name = fromEightBit(child->first);
        const QString value = fromEightBit(child->second->valueText());
        const QString firstForm = escaped(value);
        form += name + QLatin1Char('=') + firstForm + QLatin1Char(':');
        if (unescaped(firstForm) != value)
            form +=
                kExactPrefix + name + QLatin1Char('=') + escapedExactly(value) + QLatin1Char(':');
    }
    text = toEightBit(form);
}

bool settingsFromString(KUniversalSettingsGroup &group, const std::string &text)
{
    if (text.size() <= 2 || text[0] != '1' || text[1] != ':') {
        group.clear();
        return false;
    }
    const QStringList items =
        fromEightBit(text.substr(2)).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    const bool wholeGroupExact = items.value(0) == kExactMark;
    for (const QString &item : items) {
        // The second form of the value before it.
        const bool exact = item.startsWith(kExactPrefix);
        const QString named = exact ? item.mid(kExactPrefix.size()) : item;
        const qsizetype equals = named.indexOf(QLatin1Char('='));
        if (equals <= 1)
            continue;
        const QString value = named.mid(equals + 1);
        group.setString(
            toEightBit(named.left(equals)),
            toEightBit(exact || wholeGroupExact ? unescapedExactly(value) : unescaped(value)));
    }
    return true;
}

} // namespace usettings
