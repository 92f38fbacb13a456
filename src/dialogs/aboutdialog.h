#pragma once

#include "dialogs/aboutdialogbase.h"

#include <memory>

class AboutDialogPrivate;

// The about box: the host's build, copyright and additional texts, followed by the notices of
// other makers' components that the installation keeps as etc/*.lic, and a line pointing at
// them when there are any. Ctrl + double-click toggles the splash picture.
class AboutDialog : public AboutDialogBase
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                         Qt::WindowFlags flags = {});
    ~AboutDialog() override;

    void setBuildText(const QString &text);
    void setCopyrightText(const QString &text);
    // Rich text is honoured; newlines break lines.
    void setAdditionalText(const QString &text);

    // The splash a Ctrl + double-click has opened, or null.
    QWidget *splash() const;

protected:
    bool event(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void fill();

    std::unique_ptr<AboutDialogPrivate> d;
};

namespace tesk::dialogs {

// The notices of the installation's etc/*.lic files, by file name, as rich text: a heading,
// then each file's path in bold and its lines but those starting with '#'. Paths and lines are
// shown as written, never read as markup. Empty without KSODEBUG_INSTALL, its etc folder or
// a readable notice file.
QString collectNotices();

// The text with a break allowed within every word too long for a line (a zero-width space),
// so that wrapping keeps it within a box.
QString breakableAnywhere(const QString &text);

} // namespace tesk::dialogs
