#pragma once

#include <QTextEdit>

namespace tesk::dialogs {

// A rich-text field that loads nothing its text names: the host's text may point at any file or
// device, and reading one is not the host's to ask.
class ClosedTextEdit : public QTextEdit
{
public:
    using QTextEdit::QTextEdit;

    QVariant loadResource(int type, const QUrl &name) override;
};

} // namespace tesk::dialogs
