// The host-built records of the described dialogs (QtQSDIInitDialog and the Add exports) read
// into a dialog, and the items text of CuiSimpleList: each record the host added is used, and
// the list holds no empty item.
#include "dialogs/qsdirecords.h"
#include "dialogs/simpledialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct Reader
{
    const uint8_t *data;
    size_t size;
    size_t at = 0;

    bool more() const { return at < size; }
    int byte() { return at < size ? data[at++] : 0; }
    int number() { return int(int8_t(byte())) * 131 + byte(); }
    QByteArray text()
    {
        const size_t n = std::min(size_t(byte()), size - at);
        QByteArray t(reinterpret_cast<const char *>(data + at), qsizetype(n));
        at += n;
        return t.split('\0').first();
    }
};

void noCallback(void *) {}

} // namespace

// The toolkit keeps its font engines until the process ends; what the records make is still
// checked for leaks.
extern "C" __attribute__((visibility("default"), used)) const char *__lsan_default_suppressions()
{
    return "leak:libQt6Gui.so\nleak:libharfbuzz.so\nleak:libfreetype.so\nleak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static int argc = 1;
    static char name[] = "fuzz_qsdirecords";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Reader in{data, size};
    const QByteArray items = in.text();
    for (const QString &item : QString::fromLatin1(items).split(u'\n', Qt::SkipEmptyParts)) {
        if (item.isEmpty())
            std::abort();
    }

    const int kind = in.byte() % 9;
    QSDIDescription *description = nullptr;
    if (tesk::dialogs::initDescription(&description, kind, in.byte() % 5, in.byte() % 4,
                                       in.number(), in.number()) ||
        !description)
        return 0;
    std::vector<QByteArray> texts;
    texts.reserve(size);
    char entry[64] = {};
    void *control = nullptr;
    bool toggle = false;
    int buttons = 0;
    while (in.more()) {
        switch (in.byte() % 5) {
        case 0:
            texts.push_back(in.text());
            tesk::dialogs::addButton(description,
                                     in.byte() & 1 ? texts.back().constData() : nullptr,
                                     in.number(), in.byte() % 5);
            ++buttons;
            break;
        case 1:
            tesk::dialogs::addEvent(description, in.number());
            break;
        case 2:
            tesk::dialogs::addCallback(description, &noCallback, nullptr);
            break;
        case 3:
            // A control record as the host adds it, to a dialog of any kind (one of another kind
            // must not be read as the kind's own); the host keeps it.
            if (!control) {
                const QByteArray initial = in.text().left(sizeof entry - 1);
                std::memcpy(entry, initial.constData(), size_t(initial.size()));
                tesk::dialogs::addEntry(description, entry, in.byte() % sizeof entry);
                control = description->control;
            }
            break;
        default:
            if (!control) {
                texts.push_back(in.text());
                tesk::dialogs::addToggle(description, texts.back().constData(), in.number(),
                                         in.byte() & 1);
                control = description->control;
                toggle = true;
            }
            break;
        }
    }
    {
        SimpleDialog dialog(*description, tesk::dialogs::dialogLabels(), nullptr);
        if (dialog.findChildren<QPushButton *>().size() < qsizetype(buttons != 0))
            std::abort();
        // A control of the other kind is not read: no edit on a toggle, no check box on an entry.
        if (kind == QSDI_KIND_ENTRY && toggle && dialog.findChild<QLineEdit *>())
            std::abort();
        if (kind == QSDI_KIND_QUESTION && control && !toggle && dialog.findChild<QCheckBox *>())
            std::abort();
    }
    tesk::dialogs::deleteDescription(description);
    if (toggle && control)
        std::free(static_cast<QSDIToggle *>(control)->text);
    std::free(control);
    return 0;
}
