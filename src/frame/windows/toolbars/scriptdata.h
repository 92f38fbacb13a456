#pragma once

#include "frame/core/xmlserial.h"

#include <QMap>
#include <QObject>
#include <QString>

// The user's list of include scripts, shared by every script toolbar: display name to file
// path, in name order. The host keeps it in a tagged XML section of one of its files.
class ScriptMap : public NXmlSerial::IXmlSerialize
{
public:
    void Serialize(NXmlSerial::XmlContext &c) override;

    QMap<QString, QString> &map() { return m_map; }
    const QMap<QString, QString> &map() const { return m_map; }
    // Enters the file under its shown name, told apart by a number where another file has the
    // same one; a file already listed is not entered twice. Tells no toolbar.
    void add(const QString &shownName, const QString &path);
    // Erases the entry and tells the toolbars.
    void remove(const QString &name);

private:
    void load(NXmlSerial::XmlContext &c);

    QMap<QString, QString> m_map;
    // Kept across entries while loading: an entry without a key or value reuses the last.
    QString m_currentKey;
    QString m_currentValue;
};

class ScriptData : public QObject, public NXmlSerial::IXmlSerialize
{
    Q_OBJECT

public:
    // Created on first use; lives as long as the library (end).
    static ScriptData *instance();
    static void end();

    void Serialize(NXmlSerial::XmlContext &c) override;
    ScriptMap &scripts() { return m_scripts; }

    int store(const QString &fileName, const QString &tag);
    int load(const QString &fileName, const QString &tag);

signals:
    void mapUpdated();

private:
    ScriptData() = default;

    ScriptMap m_scripts;
};
