#include <glyphon/kmediatorformat.h>

#include <glyphon/kformatteddata.h>
#include <glyphon/kmediatordisplay.h>

#include "engineprivate.h"
#include "inplaceeditor.h"
#include "typetable.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QPointer>

namespace glyphon {

namespace {

// The values and engines of the in-place edits running now (innermost first); an entry is
// cleared when its value or engine is destroyed during the edit.
struct EditWatch
{
    const KFormattedData *data;
    const KMediator_Format *engine;
    EditWatch *outer;
};

EditWatch *&runningEdits()
{
    static EditWatch *innermost = nullptr;
    return innermost;
}

class EditScope
{
public:
    EditScope(const KFormattedData *data, const KMediator_Format *engine, bool &editing)
        : m_watch{data, engine, runningEdits()}
        , m_editing(editing)
    {
        runningEdits() = &m_watch;
        m_editing = true;
    }
    ~EditScope()
    {
        runningEdits() = m_watch.outer;
        if (engineAlive())
            m_editing = false;
    }
    EditScope(const EditScope &) = delete;
    EditScope &operator=(const EditScope &) = delete;

    bool dataAlive() const { return m_watch.data; }
    bool engineAlive() const { return m_watch.engine; }

private:
    EditWatch m_watch;
    bool &m_editing;
};

struct MenuFamily
{
    const char *family;
    const char *label;
};

const MenuFamily menuFamilies[] = {{"hex", QT_TRANSLATE_NOOP("glyphon", "Hexadecimal")},
                                   {"dec", QT_TRANSLATE_NOOP("glyphon", "Decimal")},
                                   {"oct", QT_TRANSLATE_NOOP("glyphon", "Octal")},
                                   {"bin", QT_TRANSLATE_NOOP("glyphon", "Binary")},
                                   {"fp", QT_TRANSLATE_NOOP("glyphon", "Floating point")}};

} // namespace

void forgetDuringEdit(const KFormattedData *data)
{
    for (EditWatch *watch = runningEdits(); watch; watch = watch->outer) {
        if (watch->data == data)
            watch->data = nullptr;
    }
}

void forgetDuringEdit(const KMediator_Format *engine)
{
    for (EditWatch *watch = runningEdits(); watch; watch = watch->outer) {
        if (watch->engine == engine)
            watch->engine = nullptr;
    }
}

} // namespace glyphon

using namespace glyphon;

KMediator_Format::KMediator_Format(KMediator_Display *display)
    : m_display(display ? display : KMediator_Display::get_Instance())
    , m_types(std::make_unique<TypeTable>())
    , m_generation(nextGeneration())
{
}

KMediator_Format::~KMediator_Format()
{
    forgetDuringEdit(this);
    clear_formattingMenu();
}

KMediator_Display *KMediator_Format::get_display() const
{
    return m_display;
}

KMediator_Display *KMediator_Format::displayOr(KMediator_Display *display) const
{
    return display ? display : m_display.data();
}

const FormatType &KMediator_Format::resolve(const KFormattedData &data) const
{
    // Formatting runs for every value of every update: the type found for a name is kept in
    // the value until its name, its size or this engine's types change.
    if (data.m_resolvedGeneration == m_generation && data.m_resolved)
        return *data.m_resolved;
    const FormatType *type = m_types->find(data.m_typeName);
    if (!type)
        type = builtinType(data.m_typeName, data.m_size);
    if (!type)
        type = &fallbackType();
    data.m_resolved = type;
    data.m_resolvedGeneration = m_generation;
    return *type;
}

void KMediator_Format::updateFormat(KFormattedData *data)
{
    if (!data)
        return;
    data->m_resolvedGeneration = 0;
    resolve(*data);
}

bool KMediator_Format::get_dataValue(KFormattedData *data, QString &text)
{
    text.clear();
    if (!data || !data->m_data)
        return false;
    text = resolve(*data).format(data->m_data, data->m_size);
    return true;
}

bool KMediator_Format::set_dataValue(KFormattedData *data, const QString &text)
{
    if (!data || !data->m_data)
        return false;
    return resolve(*data).parse(text, data->m_data, data->m_size);
}

int KMediator_Format::process_formatting(KMediator_Display *display, KFormattedData *data)
{
    KMediator_Display *d = displayOr(display);
    if (!d || !d->get_reply())
        return GLYPHON_ERROR_NO_DISPLAY;
    QString text;
    const bool ok = get_dataValue(data, text);
    *d->get_reply() = text.toLatin1();
    return ok ? GLYPHON_OK : GLYPHON_ERROR_NO_DATA;
}

int KMediator_Format::process_formattingMenu(KMediator_Display *display, KFormattedData *data)
{
    KMediator_Display *d = displayOr(display);
    QMenu *menu = d ? d->get_menu() : nullptr;
    if (!menu)
        return GLYPHON_ERROR_NO_DISPLAY;
    if (!data)
        return GLYPHON_ERROR_NO_DATA;
    clear_formattingMenu();
    menu->setFont(d->get_fontMenu());
    const int bits = data->m_size;
    const QString current = data->m_typeName;
    auto *group = new QActionGroup(menu);
    const auto addEntry = [&](const QString &label, const QString &typeName, const QString &key) {
        QAction *action = menu->addAction(label);
        const int id = optionId(key);
        action->setData(id);
        action->setCheckable(true);
        action->setChecked(typeName == current);
        group->addAction(action);
        QPointer<KMediator_Display> target(d);
        QObject::connect(action, &QAction::triggered, action, [target, id] {
            if (target)
                emit target->formatChanged(id);
        });
        m_menuActions.append(action);
    };
    for (const MenuFamily &f : menuFamilies) {
        // One menu may serve values of several sizes: the option names the family, and each
        // value takes it at its own size.
        const QString family = QString::fromLatin1(f.family) + QLatin1Char('_');
        const QString typeName = family + QString::number(bits);
        if (builtinType(typeName, bits))
            addEntry(QCoreApplication::translate("glyphon", f.label), typeName, family);
    }
    const QVector<const BitFieldType *> named = m_types->typesOfSize(bits);
    if (!named.isEmpty())
        m_menuActions.append(menu->addSeparator());
    for (const BitFieldType *type : named)
        addEntry(type->label(), type->name(), type->name());
    m_menuGroup = group;
    m_menu = menu;
    return GLYPHON_OK;
}

void KMediator_Format::clear_formattingMenu()
{
    for (const QPointer<QAction> &action : std::as_const(m_menuActions))
        delete action.data();
    m_menuActions.clear();
    delete m_menuGroup.data();
    m_menu = nullptr;
}

int KMediator_Format::process_formattingEditing(KMediator_Display *display, KFormattedData *data)
{
    KMediator_Display *d = displayOr(display);
    if (!d)
        return GLYPHON_ERROR_NO_DISPLAY;
    d->set_inPlaceEditErrorReturn(GLYPHON_EDIT_DISCARDED);
    QString text;
    if (!get_dataValue(data, text))
        return GLYPHON_ERROR_NO_DATA;
    if (m_editing)
        return GLYPHON_ERROR_BUSY;

    QWidget *parent = d->get_parentWnd();
    QPointer<InPlaceEditor> editor = new InPlaceEditor(parent, text, d->get_isValueSelected());
    editor->setFont(d->get_fontValue());
    QRect area = d->get_inPlaceEditGeometry();
    if (area.isEmpty())
        area.setSize(editor->sizeHint());
    editor->setGeometry(parent ? QRect(parent->mapToGlobal(area.topLeft()), area.size()) : area);
    QPointer<KMediator_Display> target(d);
    QObject::connect(editor, &InPlaceEditor::helpRequested, editor, [target] {
        if (target)
            emit target->help(GLYPHON_HELP_FORMATTING);
    });

    EditScope scope(data, this, m_editing);
    const int result = KMediator_Display::runModal(editor);
    const QString typed = editor ? editor->text() : QString();
    const bool accepted = editor && result == QDialog::Accepted;
    delete editor.data();
    // The value, the engine or the display may have gone while the editor ran (the user's
    // host can delete them from its own callbacks): then nothing is written.
    if (!scope.dataAlive() || !scope.engineAlive() || !target)
        return GLYPHON_OK;
    int flags = GLYPHON_EDIT_DISCARDED;
    if (accepted)
        flags = set_dataValue(data, typed) ? 0 : GLYPHON_EDIT_DISCARDED | GLYPHON_EDIT_REFUSED;
    target->set_inPlaceEditErrorReturn(flags);
    return GLYPHON_OK;
}

int KMediator_Format::import_formatTypesDefinition_fromString(const QString &text, void *, int mode)
{
    const int added = m_types->import(text, mode == 1);
    if (added > 0)
        m_generation = nextGeneration();
    return added;
}
