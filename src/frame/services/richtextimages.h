#pragma once

#include <QImage>
#include <QString>

// Images that rich text names by a plain word (<img source="padlock">), the way the old
// toolkit's default mime-source factory served them.
namespace tesk::frame {

void addRichTextImage(const QString &name, const QImage &image);

// Asked for every name the table does not hold, afresh on each request (a name it does not
// know now may be known later); null takes it away, and with it the library's provider, so
// that the provider which stood before serves rich text again.
using RichTextImageSource = QImage (*)(const QString &name);
void setRichTextImageSource(RichTextImageSource source);

} // namespace tesk::frame
