#include "dialogs/qsdirecords.h"

#include "frame/core/services.h"

#include <QHash>
#include <QSet>

#include <cstdlib>
#include <cstring>

namespace tesk::dialogs {

namespace {

template<typename Record>
Record *allocateZeroed()
{
    return static_cast<Record *>(std::calloc(1, sizeof(Record)));
}

// Nodes go at the end of their list, so the dialog shows them in the order the host added them.
template<typename Node>
void append(Node *&first, Node *node)
{
    Node **link = &first;
    while (*link)
        link = &(*link)->next;
    *link = node;
}

template<typename Node>
void freeList(Node *node)
{
    while (node) {
        Node *next = node->next;
        std::free(node);
        node = next;
    }
}

QSet<const void *> &liveFindRecords()
{
    static QSet<const void *> records;
    return records;
}

QSet<const void *> &liveDescriptions()
{
    static QSet<const void *> descriptions;
    return descriptions;
}

// The control records made here, by the dialog kind that reads each. They outlive their
// description (a dialog left up uses them) and are freed by the host, so a record's address is
// entered again whenever a new record is made there.
QHash<const void *, int> &controlKinds()
{
    static QHash<const void *, int> kinds;
    return kinds;
}

constexpr int kFindBufferBytes = QSDI_FIND_BUFFER_UNITS * sizeof(uint32_t);

int storedButtonCode(const char *label, int code)
{
    if (!label)
        return code;
    const QString text = QString::fromLatin1(label);
    const QMap<int, QString> labels = dialogLabels();
    for (auto it = labels.cbegin(); it != labels.cend(); ++it) {
        if (it.value() == text)
            return it.key();
    }
    // 10 is no label of its own; it stands for OK.
    return code == 10 ? 11 : code;
}

} // namespace

QMap<int, QString> dialogLabels()
{
    QMap<int, QString> labels = tesk::core::frameServices().standardLabels();
    if (labels.isEmpty()) {
        tesk::core::frameServices().installTranslations();
        labels = tesk::core::frameServices().standardLabels();
    }
    return labels;
}

int initDescription(QSDIDescription **out, int kind, int icon, int mode, int captionCode,
                    int messageCode)
{
    auto *description = allocateZeroed<QSDIDescription>();
    *out = description;
    if (!description)
        return 1;
    liveDescriptions().insert(description);
    auto *texts = allocateZeroed<QSDITexts>();
    if (!texts)
        return 1;
    description->kind = kind;
    description->icon = icon;
    description->mode = mode;
    description->texts = texts;
    texts->captionCode = captionCode;
    texts->messageCode = messageCode;
    return 0;
}

int addButton(QSDIDescription *description, const char *label, int code, int role)
{
    auto *node = allocateZeroed<QSDIButtonNode>();
    if (!node)
        return 1;
    node->code = storedButtonCode(label, code);
    node->role = role;
    append(description->buttons, node);
    if (role == QSDI_ROLE_EVENT)
        return addEvent(description, code);
    return 0;
}

int addEvent(QSDIDescription *description, int id)
{
    auto *node = allocateZeroed<QSDIEventNode>();
    if (!node)
        return 1;
    node->id = id;
    append(description->events, node);
    return 0;
}

int addCallback(QSDIDescription *description, QSDICallbackFn function, void *data)
{
    auto *callback = allocateZeroed<QSDICallback>();
    if (!callback)
        return 1;
    callback->function = function;
    callback->data = data;
    std::free(description->callback);
    description->callback = callback;
    return 0;
}

int addEntry(QSDIDescription *description, char *buffer, int maximum)
{
    auto *entry = allocateZeroed<QSDIEntry>();
    if (!entry)
        return 1;
    entry->buffer = buffer;
    entry->maximum = maximum;
    controlKinds().insert(entry, QSDI_KIND_ENTRY);
    description->control = entry;
    return 0;
}

int addToggle(QSDIDescription *description, const char *text, int code, int state)
{
    auto *toggle = allocateZeroed<QSDIToggle>();
    if (!toggle)
        return 1;
    if (text && !(toggle->text = strdup(text))) {
        std::free(toggle);
        return 1;
    }
    toggle->code = code;
    toggle->state = state;
    controlKinds().insert(toggle, QSDI_KIND_QUESTION);
    description->control = toggle;
    return 0;
}

void deleteDescription(QSDIDescription *description)
{
    liveDescriptions().remove(description);
    freeList(description->buttons);
    freeList(description->events);
    std::free(description->callback);
    std::free(description->texts);
    std::free(description);
}

int initFindRecord(QSDIFind **out, intptr_t hostWord, int options)
{
    auto *find = allocateZeroed<QSDIFind>();
    auto *findBuffer = static_cast<uint32_t *>(std::calloc(1, kFindBufferBytes));
    auto *replaceBuffer = static_cast<uint32_t *>(std::calloc(1, kFindBufferBytes));
    if (!find || !findBuffer || !replaceBuffer) {
        std::free(find);
        std::free(findBuffer);
        std::free(replaceBuffer);
        *out = nullptr;
        return 1;
    }
    find->hostWord = hostWord;
    find->options = options;
    find->findBuffer = findBuffer;
    find->replaceBuffer = replaceBuffer;
    liveFindRecords().insert(find);
    *out = find;
    return 0;
}

void deleteFindRecord(QSDIFind *find)
{
    liveFindRecords().remove(find);
    std::free(find->findBuffer);
    std::free(find->replaceBuffer);
    std::free(find);
}

bool isLiveDescription(const void *data)
{
    return data && liveDescriptions().contains(data);
}

bool isLiveFindRecord(const void *data)
{
    return data && liveFindRecords().contains(data);
}

QSDIEntry *entryControl(void *control)
{
    return control && controlKinds().value(control, -1) == QSDI_KIND_ENTRY
               ? static_cast<QSDIEntry *>(control)
               : nullptr;
}

QSDIToggle *toggleControl(void *control)
{
    return control && controlKinds().value(control, -1) == QSDI_KIND_QUESTION
               ? static_cast<QSDIToggle *>(control)
               : nullptr;
}

} // namespace tesk::dialogs
