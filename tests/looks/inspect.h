#pragma once

// What the looks check sees wrong on a window, dock, dialog, box or menu as a user would see it:
// content cut off or squeezed below its minimum, texts that do not fit, docks shrunk to their
// title bars, two items of one menu on one Alt letter, and English texts under German.

#include "catalogue.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

class QAbstractItemView;
class QMainWindow;
class UTable;
class QWidget;

namespace looks {

// The language and the main window's size a run looks in.
struct Setting
{
    bool german = false;
    QSize size;
    QString name() const;
};

// What one run found, each line naming the window, the widget and the setting.
class Faults
{
public:
    explicit Faults(const Setting &setting)
        : m_setting(setting)
    {
    }
    void add(const QString &window, const QString &item, const QString &what);
    const QStringList &lines() const { return m_lines; }

private:
    Setting m_setting;
    QStringList m_lines;
};

// A case left out of the check: a widget of that class (and object name, when given) in a window
// at the given path (whole names from the start: the path and what lies below it), for one
// condition, with the reason.
struct LeftOut
{
    const char *window;
    const char *widgetClass;
    const char *objectName;
    const char *condition;
    const char *reason;
};

// Whether the window's path is the path or lies below it.
bool withinPath(const QString &window, const char *path);

// Names of the conditions, as the faults and the left-out cases name them.
inline constexpr const char *kCutOff = "reaches past the visible area";
inline constexpr const char *kSqueezed = "is smaller than its minimum size";
inline constexpr const char *kTextCut = "does not show its whole text";
inline constexpr const char *kOffScreen = "is larger than the screen";
inline constexpr const char *kPastScreen = "reaches past the edge of its screen";
inline constexpr const char *kEnglish = "shows an English text under German";
inline constexpr const char *kAltClash = "shares its Alt letter";
inline constexpr const char *kBehindArrow = "sits behind the toolbar's overflow arrow";
inline constexpr const char *kResized = "changes its size between its pages";
inline constexpr const char *kCellCut = "does not give a column the room its texts need";
inline constexpr const char *kUntranslated = "shows a text the German catalogue does not hold";

class AskedTexts;

class Inspector
{
public:
    // The catalogues: the toolkit's and the library's German texts (used under German only).
    // Under German the texts the program asks the catalogues for are noted from here on.
    Inspector(const Setting &setting, const Catalogue &german, Faults &faults);
    ~Inspector();

    void setLeftOut(const LeftOut *cases, int count);
    // Texts the host handed in: shown as given, whatever their language.
    void setHostTexts(const QStringList &texts) { m_hostTexts = texts; }

    // A top-level window, dialog or box: every visible child with content, a dialog on each
    // page of its tabs.
    void window(const QWidget *window, const QString &name);
    // A menu bar or menu with its submenus: Alt letters, and texts under German.
    void menu(const QWidget *menu, const QString &name);
    // The docked windows of a main window: each pane at least its minimum size.
    void docks(const QMainWindow *window, const QString &name);
    // After the named export the field (or a child of it) must hold the window's focus.
    void focus(const QWidget *window, const QWidget *field, const QString &name,
               const char *afterExport);

private:
    void look(const QWidget *window, const QString &name);
    void pages(const QWidget *window, const QString &name);
    void child(const QWidget *window, const QWidget *widget, const QString &name);
    void geometry(const QWidget *window, const QWidget *widget, const QString &name);
    void textFits(const QWidget *widget, const QString &name);
    void english(const QWidget *widget, const QString &name);
    void englishText(const QString &text, const QString &window, const QString &item,
                     const QWidget *widget = nullptr);
    void altLetters(const QWidget *window, const QString &name);
    void cells(const QAbstractItemView *view, const QString &name);
    void cells(const UTable *table, const QString &name);
    void toolbars(const QWidget *window, const QString &name);
    void report(const QString &window, const QWidget *widget, const char *condition,
                const QString &detail = QString());
    bool leftOut(const QString &window, const QWidget *widget, const char *condition) const;

    Setting m_setting;
    const Catalogue &m_german;
    Faults &m_faults;
    const LeftOut *m_leftOut = nullptr;
    int m_leftOutCount = 0;
    QStringList m_hostTexts;
    std::unique_ptr<AskedTexts> m_asked;
};

// The widget as a fault names it: its class, its text and its object name.
QString describe(const QWidget *widget);
// The text without its Alt marks ("&&" stays one "&").
QString withoutMnemonics(const QString &text);
// The Alt letter of a text, upper case; a null char when it has none.
QChar altLetter(const QString &text);

} // namespace looks
