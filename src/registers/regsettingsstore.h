#pragma once

#include <QMap>
#include <QString>

// The register settings in the host's persistence component, reached through the broker.
// Broker errors never leave here: each is written to the debug output and that step skipped.
// A missing store or record is no error. Keys, names and values go in as Latin-1, the way the
// host hands them over, so that the host reads back what it sent.
namespace tesk::registers {

// The named texts stored under the key; empty when there is no store or nothing stored.
QMap<QString, QString> readSettings(const QString &key, const QStringList &names);
// Stores the texts under the key; false when there is no store or the store failed.
bool writeSettings(const QString &key, const QMap<QString, QString> &values);

} // namespace tesk::registers
