#pragma once

#include "dialogs/dialoghelp.h"
#include "dialogs/memoryoperationsdlgbase.h"

#include <tesk/tesk_memorydialogs.h>

#include <vector>

namespace tesk::dialogs {

struct MemoryFileType
{
    int flag;     // non-zero when files of the type carry their own addresses
    QString text; // "<type word> <description>"
};

// The host's file type list: one type per line, split at line feeds only, empty lines skipped.
std::vector<MemoryFileType> parseMemoryFileTypes(const QString &text);

} // namespace tesk::dialogs

// Loads a file into target memory, saves memory into a file or verifies memory against one: on
// Apply it checks the entries and hands one command line to the host's handler. It stays up
// for further commands until Close, and is deleted once it has been closed.
class MemoryOperationsDlg : public MemoryOperationsDlgBase
{
    Q_OBJECT

public:
    explicit MemoryOperationsDlg(QWidget *parent = nullptr, const char *name = nullptr,
                                 bool modal = false, Qt::WindowFlags flags = {});

    // One line per file type: "<flag><separator><type word> <description>", split at line
    // feeds only; a flag other than 0 makes the location an optional offset. Appends.
    void addFileTypes(const QString &text);
    void setFuncHandler(CuiMemoryOperationsHandlerFn handler) { m_funcHandler = handler; }
    void setVpid(int vpid) { m_vpid = vpid; }
    void setHelpId(unsigned helpId);

    void done(int result) override;

public slots:
    void getFilename() override;
    void applySlot() override;
    void helpSlot() override;
    void actionChangedSlot() override;
    void fileTypeClickedSlot() override;

protected slots:
    void languageChange() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The current file type's flag: non-zero when its files carry their own addresses. Null
    // without a current file type.
    const int *currentTypeFlag() const;
    enum class LocationHelp { Range, Offset, Start };
    static QString locationHelp(LocationHelp which);
    void updateLocationHelp();
    void rememberLocation(const QString &location);

    std::vector<int> m_typeHasAddresses;
    int m_vpid = 0;
    CuiMemoryOperationsHandlerFn m_funcHandler = nullptr;
    unsigned m_helpId = 0;
    CuiHelpFunction m_helpFunction = nullptr;
};
