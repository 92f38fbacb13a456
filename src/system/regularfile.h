#pragma once

// The files the library writes and reads by name are regular files. A name the host or the user
// hands over may instead name a device that never ends or never takes a byte, a pipe whose other
// end never opens (opening it would wait for ever), or a folder: these are refused before a byte
// moves. A symbolic link stands for its target, which is what is read or written.

#include <QFile>
#include <QString>

namespace tesk::system {

// Opens the path with the given open(2) flags when it names a regular file, or nothing yet and
// O_CREAT is among the flags; the descriptor, or -1 (errno set) when it names anything else or
// cannot be opened. Opening never waits; the descriptor blocks as usual afterwards. The caller
// closes it.
int openRegularDescriptor(const QString &path, int flags);

// The same for a QFile: ReadOnly, or WriteOnly/ReadWrite (created when missing) with Append or
// Truncate as for QFile::open, Text as it is. False when the path names no regular file.
bool openRegular(QFile &file, const QString &path, QIODevice::OpenMode mode);

// Reads the whole of a regular file of at most maxBytes into bytes. False, with bytes empty, when
// the path names no regular file, cannot be read, or holds more: a size the file states is not
// trusted (files of /proc state none).
bool readRegular(const QString &path, qint64 maxBytes, QByteArray &bytes);

// The name a write that replaces the file (written beside it, then renamed) has to use: a chain
// of symbolic links followed to its end, so that the target is replaced and the link stays.
QString replacementTarget(const QString &path);

// Whether the path (after its links) names a regular file or nothing at all.
bool regularOrAbsent(const QString &path);

} // namespace tesk::system
