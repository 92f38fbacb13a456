#include "frame/services/teskfile.h"

#include <QRegularExpression>

#include <cstdlib>

const QString TeskFile::installPrefix = QStringLiteral("$KSODEBUG_INSTALL");
const QString TeskFile::homePrefix = QStringLiteral("$KSODEBUG_HOME");
const QString TeskFile::helpPathPrefix = QStringLiteral("$KSODEBUG_HLPPATH");
const QChar TeskFile::listSeparator = QLatin1Char(';');

namespace {

struct Places
{
    QString install; // null until first read
    QString home;    // read again while empty
    QString helpPath;
    bool helpPathRead = false;
};

Places &places()
{
    static Places p;
    return p;
}

QString installFolder()
{
    Places &p = places();
    if (p.install.isNull())
        p.install = TeskFile::environmentValue(TeskFile::installPrefix);
    return p.install;
}

QString homeArea()
{
    Places &p = places();
    if (p.home.isEmpty())
        p.home = TeskFile::environmentValue(TeskFile::homePrefix);
    return p.home;
}

QString helpPath()
{
    Places &p = places();
    if (!p.helpPathRead) {
        p.helpPath = TeskFile::environmentValue(TeskFile::helpPathPrefix);
        p.helpPathRead = true;
    }
    return p.helpPath;
}

QString withForwardSlashes(QString name)
{
    return name.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

} // namespace

TeskFile::TeskFile() = default;

TeskFile::TeskFile(const QString &name)
    : QFile(expandName(name))
{
}

TeskFile::~TeskFile() = default;

void TeskFile::setName(const QString &name)
{
    setFileName(expandName(name));
}

bool TeskFile::setNameFromSearch(const QString &name)
{
    QString located = name;
    const bool found = findExisting(located);
    setFileName(located);
    return found;
}

QString TeskFile::environmentValue(const QString &reference)
{
    const QByteArray variable = reference.mid(1).toLatin1();
    const char *value = std::getenv(variable.constData());
    if (!value)
        return QString();
    return withForwardSlashes(QString::fromLocal8Bit(value));
}

bool TeskFile::replacePrefix(QString &name, const QString &prefix, const QString &value)
{
    name = withForwardSlashes(name);
    const qsizetype at = name.indexOf(prefix);
    if (at < 0)
        return false;
    const qsizetype after = at + prefix.size();
    if (after >= name.size() || name.at(after) != QLatin1Char('/'))
        name.insert(after, QLatin1Char('/'));
    name.replace(prefix, value);
    return true;
}

QString TeskFile::expandName(const QString &name)
{
    // The first prefix found is the only one replaced.
    QString expanded = name;
    if (!replacePrefix(expanded, installPrefix, installFolder()) &&
        !replacePrefix(expanded, homePrefix, homeArea()))
        replacePrefix(expanded, helpPathPrefix, helpPath());
    return expanded;
}

bool TeskFile::findExisting(QString &name)
{
    name = withForwardSlashes(name);
    const qsizetype dollar = name.indexOf(QLatin1Char('$'));
    if (dollar < 0)
        return QFile::exists(name);
    const qsizetype slash = name.indexOf(QLatin1Char('/'), dollar);
    const QString reference = name.mid(dollar, slash < 0 ? -1 : slash - dollar);
    const QStringList folders =
        environmentValue(reference).split(listSeparator, Qt::SkipEmptyParts);
    for (const QString &folder : folders) {
        QString candidate = name;
        candidate.replace(reference, folder);
        while (candidate.contains(QLatin1String("//")))
            candidate.replace(QLatin1String("//"), QLatin1String("/"));
        if (QFile::exists(candidate)) {
            name = candidate;
            return true;
        }
    }
    return false;
}

void TeskFile::resetCache()
{
    places() = Places();
}
