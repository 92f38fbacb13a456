#include "typetable.h"

#include <QRegularExpression>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace glyphon {

const BitFieldType *TypeTable::find(const QString &name) const
{
    const auto it = m_types.find(name);
    return it == m_types.end() ? nullptr : it->second.get();
}

QVector<const BitFieldType *> TypeTable::typesOfSize(int bits) const
{
    QVector<const BitFieldType *> result;
    for (const auto &entry : m_types) {
        if (entry.second->bits() == bits)
            result.append(entry.second.get());
    }
    return result;
}

bool TypeTable::add(std::unique_ptr<BitFieldType> type, bool replace)
{
    auto &slot = m_types[type->name()];
    if (slot && !replace)
        return false;
    slot = std::move(type);
    return true;
}

namespace {

// A definition text being read; a line that the grammar does not allow drops the type it
// belongs to.
class DefinitionReader
{
public:
    void readLine(int number, QString line);
    std::unique_ptr<BitFieldType> takeFinished() { return std::move(m_finished); }
    void finish();

private:
    void startType(const QString &line, const QStringList &words);
    void addField(const QStringList &words);
    void fail(const QString &message);

    int m_line = 0;
    std::unique_ptr<BitFieldType> m_current;
    std::unique_ptr<BitFieldType> m_finished;
    bool m_skipping = false; // inside a type that was dropped, up to its "end"
};

void DefinitionReader::fail(const QString &message)
{
    qWarning("format definitions, line %d: %s", m_line, qPrintable(message));
    if (m_current) {
        m_current.reset();
        m_skipping = true;
    }
}

std::optional<int> number(const QString &word)
{
    u128 value = 0;
    if (!parseNumber(word, 10, false, 32, value) || value > 0x7fffffff)
        return std::nullopt;
    return static_cast<int>(value);
}

bool isName(const QString &word)
{
    static const QRegularExpression name(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return name.match(word).hasMatch();
}

void DefinitionReader::readLine(int number, QString line)
{
    m_line = number;
    const qsizetype comment = line.indexOf(QLatin1Char('#'));
    if (comment >= 0)
        line.truncate(comment);
    line = line.trimmed();
    if (line.isEmpty())
        return;
    static const QRegularExpression blanks(QStringLiteral("[ \\t]+"));
    const QStringList words = line.split(blanks);
    const QString &keyword = words.first();
    if (keyword == QLatin1String("type")) {
        startType(line, words);
    } else if (keyword == QLatin1String("end")) {
        if (words.size() != 1)
            fail(QStringLiteral("\"end\" takes nothing after it"));
        else if (!m_current && !m_skipping)
            fail(QStringLiteral("\"end\" without \"type\""));
        m_finished = std::move(m_current);
        m_skipping = false;
    } else if (keyword == QLatin1String("flag") || keyword == QLatin1String("field")) {
        if (m_current)
            addField(words);
        else if (!m_skipping)
            fail(QStringLiteral("\"%1\" outside a type").arg(keyword));
    } else {
        fail(QStringLiteral("unknown keyword \"%1\"").arg(keyword));
    }
}

void DefinitionReader::startType(const QString &line, const QStringList &words)
{
    if (m_current || m_skipping) {
        fail(QStringLiteral("\"type\" before the \"end\" of the previous type"));
        m_skipping = false;
    }
    const std::optional<int> bits = words.size() >= 3 ? number(words[2]) : std::nullopt;
    if (words.size() < 3 || !isName(words[1]) || looksBuiltin(words[1]) || !bits || *bits < 1 ||
        *bits > maxBits) {
        m_skipping = true;
        fail(QStringLiteral("\"type\" needs a name of its own and a size of 1 to 128 bits"));
        return;
    }
    static const QRegularExpression head(QStringLiteral("^type[ \\t]+\\S+[ \\t]+\\S+[ \\t]*"));
    const QString title = QString(line).remove(head);
    m_current = std::make_unique<BitFieldType>(words[1], title, *bits);
}

void DefinitionReader::addField(const QStringList &words)
{
    const bool flag = words.first() == QLatin1String("flag");
    if (words.size() < 3 || !isName(words[1]) || (flag && words.size() != 3))
        return fail(QStringLiteral("\"%1\" needs a name and its bits").arg(words.first()));
    BitFieldType::Field field;
    field.name = words[1];
    field.flag = flag;
    const QStringList range = words[2].split(QLatin1Char(':'));
    const std::optional<int> high = number(range.first());
    const std::optional<int> low = range.size() == 2 && !flag ? number(range[1]) : high;
    if (range.size() > 2 || !high || !low || *low > *high || *high >= m_current->bits())
        return fail(QStringLiteral("bits \"%1\" do not lie inside the type").arg(words[2]));
    field.high = *high;
    field.low = *low;
    const int width = *high - *low + 1;
    for (qsizetype i = 3; i < words.size(); ++i) {
        const qsizetype equals = words[i].indexOf(QLatin1Char('='));
        u128 value = 0;
        if (equals <= 0 || equals == words[i].size() - 1 ||
            !parseNumber(QStringView(words[i]).left(equals), 10, false, width, value))
            return fail(QStringLiteral("\"%1\" is not value=label for the field").arg(words[i]));
        field.labels.append({value, words[i].mid(equals + 1)});
    }
    m_current->addField(std::move(field));
}

void DefinitionReader::finish()
{
    if (m_current)
        fail(QStringLiteral("type \"%1\" has no \"end\"").arg(m_current->name()));
}

} // namespace

int TypeTable::import(const QString &text, bool replace)
{
    DefinitionReader reader;
    int added = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        reader.readLine(i + 1, lines[i]);
        if (std::unique_ptr<BitFieldType> type = reader.takeFinished())
            added += add(std::move(type), replace) ? 1 : 0;
    }
    reader.finish();
    return added;
}

} // namespace glyphon
