#pragma once

#include <glyphon/glyphonglobal.h>

#include <QAction>
#include <QActionGroup>
#include <QList>
#include <QMenu>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <memory>

class KFormattedData;
class KMediator_Display;

namespace glyphon {
class FormatType;
class TypeTable;
} // namespace glyphon

// The formatting engine: resolves format type names (the built-in families and the types of
// the definitions imported into it), formats, parses, edits in place and fills menus. One
// engine per set of definitions.
class GLYPHON_EXPORT KMediator_Format
{
public:
    // Works over the given display, or over the process-wide one when none is given.
    explicit KMediator_Format(KMediator_Display *display = nullptr);
    virtual ~KMediator_Format();
    KMediator_Format(const KMediator_Format &) = delete;
    KMediator_Format &operator=(const KMediator_Format &) = delete;

    KMediator_Display *get_display() const;

    // Writes the value's text into the display's reply.
    int process_formatting(KMediator_Display *display, KFormattedData *data);
    // Fills the display's menu with the formats the value can be shown by; picking one emits
    // the display's formatChanged(option). The engine is busy until clear_formattingMenu.
    int process_formattingMenu(KMediator_Display *display, KFormattedData *data);
    // Runs the modal in-place editor over the display's parent window. Accepted text is
    // written into the value; the display's edit flags tell what happened.
    int process_formattingEditing(KMediator_Display *display, KFormattedData *data);
    // Removes what process_formattingMenu added to the menu.
    void clear_formattingMenu();

    // The value's text; false (and empty text) without a value.
    bool get_dataValue(KFormattedData *data, QString &text);
    // Parses the text into the value; false leaves the value's bytes untouched.
    bool set_dataValue(KFormattedData *data, const QString &text);
    // Resolves the value's format type name again (after a name or size change).
    void updateFormat(KFormattedData *data);

    // Adds the types of a definition text (grammar in glyphon.h); progress is not used.
    // Mode 1 lets a type replace one of the same name. Returns the number of types added.
    int import_formatTypesDefinition_fromString(const QString &text, void *progress, int mode);

    // True while the editor or a format menu is open.
    bool get_isBusy() const { return m_editing || m_menu; }

private:
    const glyphon::FormatType &resolve(const KFormattedData &data) const;
    KMediator_Display *displayOr(KMediator_Display *display) const;

    QPointer<KMediator_Display> m_display;
    std::unique_ptr<glyphon::TypeTable> m_types;
    std::uint64_t m_generation;
    bool m_editing = false;
    QPointer<QMenu> m_menu;
    QList<QPointer<QAction>> m_menuActions;
    QPointer<QActionGroup> m_menuGroup;
};
