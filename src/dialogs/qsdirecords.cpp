#include "dialogs/qsdirecords.h"

#include "frame/core/hosttext.h"
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

// The identities of the records made here; 0 is none.
quint64 newIdentity()
{
    static quint64 last = 0;
    return ++last;
}

QHash<const void *, quint64> &liveFindRecords()
{
    static QHash<const void *, quint64> records;
    return records;
}

QSet<const void *> &liveDescriptions()
{
    static QSet<const void *> descriptions;
    return descriptions;
}

struct ControlRecord
{
    int kind;
    quint64 identity;
};

// The control records made here, by the dialog kind that reads each. They outlive their
// description (a dialog left up uses them) and are freed by the host, so a record's address is
// entered again, under a new identity, whenever a new record is made there.
QHash<const void *, ControlRecord> &controlRecords()
{
    static QHash<const void *, ControlRecord> records;
    return records;
}

constexpr int kFindBufferBytes = QSDI_FIND_BUFFER_UNITS * sizeof(uint32_t);

int storedButtonCode(const char *label, int code)
{
    if (!label)
        return code;
    const QString text = tesk::core::hostText(label);
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
    controlRecords().insert(entry, {QSDI_KIND_ENTRY, newIdentity()});
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
    controlRecords().insert(toggle, {QSDI_KIND_QUESTION, newIdentity()});
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
    liveFindRecords().insert(find, newIdentity());
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

RecordRef findRecordRef(void *data)
{
    const quint64 identity = data ? liveFindRecords().value(data, 0) : 0;
    return identity ? RecordRef{data, identity} : RecordRef();
}

RecordRef controlRef(void *control)
{
    const quint64 identity =
        control ? controlRecords().value(control, ControlRecord{-1, 0}).identity : 0;
    return identity ? RecordRef{control, identity} : RecordRef();
}

QSDIFind *liveFindRecord(const RecordRef &ref)
{
    return ref.identity && findRecordRef(ref.address).identity == ref.identity
               ? static_cast<QSDIFind *>(ref.address)
               : nullptr;
}

namespace {

template<typename Record>
Record *liveControl(const RecordRef &ref, int kind)
{
    if (!ref.identity)
        return nullptr;
    const ControlRecord record = controlRecords().value(ref.address, ControlRecord{-1, 0});
    return record.identity == ref.identity && record.kind == kind
               ? static_cast<Record *>(ref.address)
               : nullptr;
}

} // namespace

QSDIEntry *entryControl(const RecordRef &ref)
{
    return liveControl<QSDIEntry>(ref, QSDI_KIND_ENTRY);
}

QSDIToggle *toggleControl(const RecordRef &ref)
{
    return liveControl<QSDIToggle>(ref, QSDI_KIND_QUESTION);
}

} // namespace tesk::dialogs
