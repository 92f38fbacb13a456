#pragma once

#include <QDialog>
#include <QLabel>
#include <QPixmap>

#include <memory>

class QPushButton;

// The message label of CuiMessageBox; a class of its own so that it can be told apart.
class CuiMessageBoxLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CuiMessageBoxLabel(QWidget *parent)
        : QLabel(parent)
    {
    }
};

class CuiMessageBoxPrivate;

// The library's own modal message box: an optional standard icon, a rich-text message and up
// to three buttons, each known by a button code (1 OK to 9 "No to All"). A button specifier
// holds the code in its low byte and may mark the button as the default (0x100) or the
// escape button (0x200); exec() answers the code of the button that ended the box, the escape
// button's code when the window was closed, or 0.
class CuiMessageBox : public QDialog
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(int icon READ icon WRITE setIcon)
    Q_PROPERTY(QPixmap iconPixmap READ iconPixmap WRITE setIconPixmap)
    Q_PROPERTY(Qt::TextFormat textFormat READ textFormat WRITE setTextFormat)

public:
    enum Icon { NoIcon = 0, Information = 1, Warning = 2, Critical = 3, Question = 4 };
    enum Button {
        Ok = 1,
        Cancel = 2,
        Yes = 3,
        No = 4,
        Abort = 5,
        Retry = 6,
        Ignore = 7,
        YesAll = 8,
        NoAll = 9,
        ButtonMask = 0xff,
        Default = 0x100,
        Escape = 0x200
    };

    CuiMessageBox(const QString &caption, const QString &text, int icon, int button0, int button1,
                  int button2, QWidget *parent = nullptr, const char *name = nullptr,
                  bool modal = true, Qt::WindowFlags flags = {});
    explicit CuiMessageBox(QWidget *parent = nullptr, const char *name = nullptr);
    ~CuiMessageBox() override;

    QString text() const;
    void setText(const QString &text);
    Qt::TextFormat textFormat() const;
    void setTextFormat(Qt::TextFormat format);

    int icon() const;
    virtual void setIcon(int kind);
    QPixmap iconPixmap() const;
    void setIconPixmap(const QPixmap &pixmap);
    static QPixmap standardIcon(int kind);

    QString buttonText(int code) const;
    void setButtonText(int code, const QString &text);

    // Sizes the box to its message, icon and buttons. The toolkit's adjustSize is not virtual:
    // the box calls this one whenever it is shown.
    void adjustSize();

public slots:
    void buttonClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void setUpButtons(int button0, int button1, int button2);
    void resizeButtons();
    QPushButton *escapeButton() const;
    int border() const;

    std::unique_ptr<CuiMessageBoxPrivate> d;
};
