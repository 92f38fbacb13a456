#pragma once

#include <QImage>
#include <QString>

// Images that rich text names by a plain word (<img source="padlock">), the way the old
// toolkit's default mime-source factory served them.
namespace tesk::frame {

void addRichTextImage(const QString &name, const QImage &image);

} // namespace tesk::frame
