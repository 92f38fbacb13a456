#pragma once

#include <QString>

#include <functional>

namespace tesk::system {

// Opens a document (a help page) with the desktop's handler for its type. Answers 0, or an
// error number of the C library when the document could not be handed over.
int openDocument(const QString &fileName);

// The C library's text for an error number.
QString systemErrorText(int error);

// Tests put a recorder in place of the desktop; an empty opener restores it. Returns the
// previous opener.
using DocumentOpener = std::function<int(const QString &fileName)>;
DocumentOpener setDocumentOpener(DocumentOpener opener);

} // namespace tesk::system
