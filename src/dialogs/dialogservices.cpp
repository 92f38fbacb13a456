// The dialogs' side of the services the views below them and the frame ask of them.
#include "dialogs/dialogservices.h"

#include "dialogs/entrydialogs.h"
#include "dialogs/ksodialogs_common.h"
#include "frame/core/services.h"

namespace {

class Dialogs final : public tesk::core::DialogServices
{
public:
    int simpleEntry(const char *caption, const char *message, const char *value, char *buffer,
                    int32_t size, const char *okText, int32_t helpId) override
    {
        return tesk::dialogs::simpleEntry(tesk::dialogs::EntryKind::LineEdit, caption, message,
                                          value, buffer, size, okText, helpId);
    }
    bool chooseFile(QWidget *parent, const QString &caption, const QString &filter,
                    const QString &startDirectory, int mode, QString &fileName,
                    QStringList &fileList) override
    {
        return runFileDialog(parent, caption, filter, startDirectory, mode, 0, fileName, fileList);
    }
};

} // namespace

void tesk::dialogs::installServices()
{
    static Dialogs dialogs;
    tesk::core::install(&dialogs);
}
