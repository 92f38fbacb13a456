#pragma once

// Appending a record to a file that other processes may append to at the same time, or that
// may fill the disk: the record lands whole or not at all.

#include <QByteArray>
#include <QString>

namespace tesk::system {

enum AppendStart { AtTheEnd, OnItsOwnLine };

// Appends the bytes in one piece under an exclusive lock of the file (created when missing);
// OnItsOwnLine first ends an unterminated last line. When the write fails or is cut short,
// the file is put back to its former length. True when every byte was written; false, with
// nothing written, when the name is no regular file (a device, a pipe, a folder) or when
// another holds the file's lock (flock) for longer than 1.5 seconds.
bool appendWhole(const QString &fileName, const QByteArray &bytes, AppendStart start = AtTheEnd);

} // namespace tesk::system
