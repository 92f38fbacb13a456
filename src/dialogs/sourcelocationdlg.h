#pragma once

#include "dialogs/sourcelocationdlgbase.h"

#include <memory>

class SourceLocationDlgPrivate;

// Asks for the corrected name of a source file that was not found: Retry (or a file picked by
// browsing) hands the name back, Cancel ignores the file.
class SourceLocationDlg : public SourceLocationDlgBase
{
    Q_OBJECT

public:
    explicit SourceLocationDlg(QWidget *parent = nullptr, const char *name = nullptr,
                               bool modal = false, Qt::WindowFlags flags = {});
    ~SourceLocationDlg() override;

    void setMessage(const QString &text);
    void setFileName(const QString &name);
    QString fileName() const;

public slots:
    void browseSlot() override;

protected:
    bool event(QEvent *event) override;

private:
    std::unique_ptr<SourceLocationDlgPrivate> d;
};
