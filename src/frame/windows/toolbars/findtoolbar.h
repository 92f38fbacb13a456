#pragma once

#include "frame/menus/ksotoolbar.h"

#include <tesk/tesk_toolbars.h>

class ComboBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;

// The toolbar of windows that show a source editor: the file name, a find field with history,
// a go-to-line field, the file-state button with its menu, and the encoding chooser. Every
// user action goes to the host through one callback with an action code; the host sets the
// rest through the editor-toolbar exports.
class FindToolBar : public KSOToolBar
{
    Q_OBJECT

public:
    enum ActionCode {
        FindCode = 1,
        GotoLineCode = 2,
        StateButtonCode = 3,
        StateMenuShowCode = 4,
        StateMenuItemCode = 5,
        EncodingCode = 6
    };
    enum { FileStateKind = 3 };

    FindToolBar(QWidget *parent, const QString &label, TeskHandle context, int encoding,
                bool showEncoding);

    void setHostCallback(CuiFindToolBarFn callback) { m_callback = callback; }
    void setFileName(const QString &name);
    // Only kind 3 is known: the text names the state ("locked", "readwrite", "readonly").
    void setFileState(int kind, const QString &text);
    // Lines separated by line feeds; an empty line is a separator, a leading "!", "=" and
    // "-" are dropped; each line, separators too, takes the next item id from 0.
    void fillStateMenu(const QByteArray &text);
    void setEncoding(int index);
    void showEncoding(bool show);
    void focusFindField();
    void focusLineField();

    ComboBox *findField() const { return m_findField; }
    QLineEdit *fileField() const { return m_fileField; }
    QLineEdit *lineField() const { return m_lineField; }
    QComboBox *encodingField() const { return m_encodingField; }
    bool isEncodingShown() const;
    // The width the toolbar takes with its file and find fields at their full widths.
    int naturalWidth() const;
    // As wide as the fields want, not as a narrower window left them: the toolbar's line
    // offers that width again when it has the room, and the fields take it back.
    QSize sizeHint() const override;
    // The toolbar whose state menu asks the host for its items right now (code 4), if any:
    // the host fills that menu, whichever window is current.
    static FindToolBar *fillingStateMenu();
    QToolButton *stateButton() const { return m_stateButton; }
    QMenu *stateMenu() const { return m_stateMenu; }

public slots:
    void FindTextActivated(int index);
    void GotoLine();
    void ROActivated();
    void MenuShow();
    void MenuActivated(int id);
    void LocaleActivated(int index);

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // A toolbar laid out in a hidden window gets its size before it counts as shown: it fits
    // once it shows.
    void showEvent(QShowEvent *event) override;

private:
    // The state button's label stands on the toolbar, not on a button face.
    void matchStateButtonText();
    // Calls the host; false when the host destroyed the toolbar meanwhile (touch nothing then).
    bool call(const void *text, int value, int code);
    void addFileControls();
    void addFindControls();
    void addLineControls();
    void addEncodingControls(bool separated);
    // In a window narrower than the toolbar, the file field gives way first, then the find
    // field, then the state and encoding labels, so that the fields stay on the toolbar
    // instead of behind its overflow arrow.
    void fitFields();
    // The width the toolbar's own layout asks for the fields as they now stand.
    int laidOutWidth() const;

    TeskHandle m_context;
    int m_menuItemCounter = 0;
    QToolButton *m_stateButton = nullptr;
    QLabel *m_fileLabel = nullptr;
    QLabel *m_findLabel = nullptr;
    QLabel *m_lineLabel = nullptr;
    ComboBox *m_findField = nullptr;
    QLineEdit *m_fileField = nullptr;
    QLineEdit *m_lineField = nullptr;
    QMenu *m_stateMenu = nullptr;
    QLabel *m_encodingLabel = nullptr;
    QComboBox *m_encodingField = nullptr;
    QAction *m_encodingSeparator = nullptr;
    QAction *m_encodingLabelAction = nullptr;
    QAction *m_encodingFieldAction = nullptr;
    CuiFindToolBarFn m_callback = nullptr;
    // How much narrower than its full width the toolbar was made to fit its window.
    int m_givenWay = 0;
    bool m_fitting = false;
};
