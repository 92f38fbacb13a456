#pragma once

#include <glyphon/glyphonglobal.h>

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>

class QByteArray;
class QDialog;
class QMenu;
class QWidget;

// Where the engine's results go: the reply text, the widget an editor opens over, the menu
// it fills, the fonts, and what became of the last in-place edit.
class GLYPHON_EXPORT KMediator_Display : public QObject
{
    Q_OBJECT

public:
    // Runs a modal dialog and returns its result; the default calls QDialog::exec.
    using ModalRunner = std::function<int(QDialog *)>;

    explicit KMediator_Display(QObject *parent = nullptr);
    ~KMediator_Display() override;

    // The process-wide display, created on first use.
    static KMediator_Display *get_Instance();

    // Every modal editor of the library runs through this runner. Returns the previous one;
    // an empty runner restores the default.
    static ModalRunner set_modalRunner(ModalRunner runner);
    static int runModal(QDialog *dialog);

    // The caller's byte string that receives the next result text (Latin-1); null unbinds.
    void set_reply(QByteArray *reply) { m_reply = reply; }
    QByteArray *get_reply() const { return m_reply; }

    void set_parentWnd(QWidget *parent);
    QWidget *get_parentWnd() const;
    void set_menu(QMenu *menu);
    QMenu *get_menu() const;

    void set_fontLabel(const QFont &font) { m_fontLabel = font; }
    void set_fontValue(const QFont &font) { m_fontValue = font; }
    void set_fontMenu(const QFont &font) { m_fontMenu = font; }
    QFont get_fontLabel() const { return m_fontLabel; }
    QFont get_fontValue() const { return m_fontValue; }
    QFont get_fontMenu() const { return m_fontMenu; }

    // The editor's rectangle in the parent window's coordinates: left and top, then right and
    // bottom edges.
    void set_inPlaceEditGeometry(int left, int top, int right, int bottom);
    QRect get_inPlaceEditGeometry() const { return m_editGeometry; }
    // Result flags of the last in-place edit (GLYPHON_EDIT_*); 0 when it was accepted.
    void get_inPlaceEditErrorReturn(int &flags) const { flags = m_editFlags; }
    void set_inPlaceEditErrorReturn(int flags) { m_editFlags = flags; }
    // Whether the editor opens with its whole text selected (the default).
    void set_isValueSelected(bool selected) { m_valueSelected = selected; }
    bool get_isValueSelected() const { return m_valueSelected; }

signals:
    // The user picked the format menu entry with this option id.
    void formatChanged(int option);
    // The user asked for help (GLYPHON_HELP_FORMATTING).
    void help(int helpId);

private:
    QByteArray *m_reply = nullptr;
    QPointer<QWidget> m_parent;
    QPointer<QMenu> m_menu;
    QFont m_fontLabel;
    QFont m_fontValue;
    QFont m_fontMenu;
    QRect m_editGeometry;
    int m_editFlags = 0;
    bool m_valueSelected = true;
};
