#pragma once

#include "system/filedialogsettings.h"

#include <QFileDialog>

#include <functional>

class QPushButton;

// The toolkit's widget file dialog made for embedding in the load dialogs: an optional Help
// button, a check that runs before the dialog may accept, a refusal of forbidden characters in
// a name to save, and the remembered directory (it opens there unless a directory was set, and
// remembers where the user opened a file).
class CuiFileDlg : public tesk::system::FileDialog
{
    Q_OBJECT

public:
    using HelpFunction = void (*)(int helpId);
    using AcceptCheck = std::function<bool()>;

    explicit CuiFileDlg(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false);

    // Once only; later calls do nothing.
    void addHelpButton();
    QPushButton *helpButton() const { return m_helpButton; }
    int setHelpId(int helpId);
    void setHelpFunction(HelpFunction function) { m_helpFunction = function; }
    void setAcceptCheck(AcceptCheck check) { m_acceptCheck = std::move(check); }
    // AnyFile also makes the dialog's own file-name check the accept check.
    void setMode(QFileDialog::FileMode mode);
    void setDir(const QString &directory);
    // With selectFilter, the first filter holding the name's extension is chosen too.
    void setSelection(const QString &name, bool selectFilter);
    QString selectedFile() const { return selectedFiles().value(0); }

    // The save check: the typed name (after its last '\') may not hold \ / : * ? " < > |.
    bool fileNameCheck();

signals:
    void OkPressed();
    void CancelPressed();

public slots:
    void polish();

protected slots:
    void done(int result) override;
    void accept() override;

private slots:
    void helpPressed();

protected:
    bool event(QEvent *e) override;

private:
    int m_helpId = 0;
    HelpFunction m_helpFunction = nullptr;
    QPushButton *m_helpButton = nullptr;
    AcceptCheck m_acceptCheck;
    bool m_dirSet = false;
};
