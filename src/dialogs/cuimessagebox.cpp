#include "dialogs/cuimessagebox.h"

#include "dialogs/dialogframe.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <array>

namespace {

constexpr int kSlots = 3;
// The look without the old Motif style: the gap between buttons is fixed.
constexpr int kButtonSpacing = 7;

const char *const kButtonTexts[] = {
    nullptr,
    QT_TRANSLATE_NOOP("CuiMessageBox", "OK"),
    QT_TRANSLATE_NOOP("CuiMessageBox", "Cancel"),
    QT_TRANSLATE_NOOP("CuiMessageBox", "&Yes"),
    QT_TRANSLATE_NOOP("CuiMessageBox", "&No"),
    QT_TRANSLATE_NOOP("CuiMessageBox", "&Abort"),
    QT_TRANSLATE_NOOP("CuiMessageBox", "&Retry"),
    QT_TRANSLATE_NOOP("CuiMessageBox", "&Ignore"),
    QT_TRANSLATE_NOOP("CuiMessageBox", "Yes to &All"),
    QT_TRANSLATE_NOOP("CuiMessageBox", "N&o to All"),
};

int keyWithoutModifiers(const QKeySequence &sequence)
{
    return sequence.isEmpty() ? 0 : int(sequence[0].key());
}

} // namespace

class CuiMessageBoxPrivate
{
public:
    int numButtons = 0;
    int iconKind = CuiMessageBox::NoIcon;
    QLabel *iconLabel = nullptr;
    CuiMessageBoxLabel *label = nullptr;
    std::array<int, kSlots> codes{};
    int defaultPos = -1;
    int escapePos = -1;
    QSize buttonSize;
    std::array<QPushButton *, kSlots> buttons{};
};

CuiMessageBox::CuiMessageBox(const QString &caption, const QString &text, int icon, int button0,
                             int button1, int button2, QWidget *parent, const char *name,
                             bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags | tesk::dialogs::kDialogFrameFlags)
    , d(std::make_unique<CuiMessageBoxPrivate>())
{
    setObjectName(QString::fromLatin1(name));
    setModal(modal);
    d->label = new CuiMessageBoxLabel(this);
    d->label->setObjectName(QStringLiteral("messageBoxText"));
    d->label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    d->label->setTextFormat(Qt::AutoText);
    d->iconLabel = new QLabel(this);
    d->iconLabel->setObjectName(QStringLiteral("icon"));
    setUpButtons(button0, button1, button2);
    setWindowTitle(caption);
    setText(text);
    setIcon(icon);
}

CuiMessageBox::CuiMessageBox(QWidget *parent, const char *name)
    : CuiMessageBox(QString(), QString(), NoIcon, Ok, 0, 0, parent, name, true)
{
}

CuiMessageBox::~CuiMessageBox() = default;

void CuiMessageBox::setUpButtons(int button0, int button1, int button2)
{
    std::array<int, kSlots> buttonWords{button0, button1, button2};
    if ((buttonWords[1] && !buttonWords[0]) || (buttonWords[2] && !buttonWords[1])) {
        qWarning("CuiMessageBox: Inconsistent button parameters");
        buttonWords = {0, 0, 0};
    }
    for (int i = 0; i < kSlots; ++i) {
        const int buttonWord = buttonWords[i];
        if (buttonWord & Default) {
            if (d->defaultPos >= 0)
                qWarning("CuiMessageBox: There can be at most one default button");
            else
                d->defaultPos = i;
        }
        if (buttonWord & Escape) {
            if (d->escapePos >= 0)
                qWarning("CuiMessageBox: There can be at most one escape button");
            else
                d->escapePos = i;
        }
        int code = buttonWord & ButtonMask;
        if (code == 0) {
            code = i == 0 ? Ok : 0;
        } else if (code > NoAll) {
            qWarning("CuiMessageBox: Invalid button specifier");
            code = Ok;
        } else if (i > 0 && d->codes[i - 1] == 0) {
            qWarning("CuiMessageBox: Inconsistent button parameters; button %d defined but not "
                     "button %d",
                     i + 1, i);
            code = 0;
        }
        d->codes[i] = code;
        if (code)
            ++d->numButtons;
    }
    for (int i = 0; i < d->numButtons; ++i) {
        auto *button = new QPushButton(tr(kButtonTexts[d->codes[i]]), this);
        button->setObjectName(QStringLiteral("button%1").arg(i + 1));
        button->setAutoDefault(true);
        button->setFocusPolicy(Qt::StrongFocus);
        if (i == d->defaultPos) {
            button->setDefault(true);
            button->setFocus();
        }
        connect(button, &QPushButton::clicked, this, &CuiMessageBox::buttonClicked);
        d->buttons[i] = button;
    }
    resizeButtons();
}

void CuiMessageBox::resizeButtons()
{
    QSize size;
    for (int i = 0; i < d->numButtons; ++i)
        size = size.expandedTo(d->buttons[i]->sizeHint());
    d->buttonSize = size;
    for (int i = 0; i < d->numButtons; ++i)
        d->buttons[i]->resize(size);
}

QString CuiMessageBox::text() const
{
    return d->label->text();
}

void CuiMessageBox::setText(const QString &text)
{
    d->label->setText(text);
}

Qt::TextFormat CuiMessageBox::textFormat() const
{
    return d->label->textFormat();
}

void CuiMessageBox::setTextFormat(Qt::TextFormat format)
{
    d->label->setTextFormat(format);
}

int CuiMessageBox::icon() const
{
    return d->iconKind;
}

void CuiMessageBox::setIcon(int kind)
{
    d->iconLabel->setPixmap(standardIcon(kind));
    d->iconKind = kind;
}

QPixmap CuiMessageBox::iconPixmap() const
{
    return d->iconLabel->pixmap();
}

void CuiMessageBox::setIconPixmap(const QPixmap &pixmap)
{
    d->iconLabel->setPixmap(pixmap);
    d->iconKind = NoIcon;
}

QPixmap CuiMessageBox::standardIcon(int kind)
{
    QStyle::StandardPixmap which;
    switch (kind) {
    case Information:
        which = QStyle::SP_MessageBoxInformation;
        break;
    case Warning:
        which = QStyle::SP_MessageBoxWarning;
        break;
    case Critical:
        which = QStyle::SP_MessageBoxCritical;
        break;
    case Question:
        which = QStyle::SP_MessageBoxQuestion;
        break;
    default:
        return QPixmap();
    }
    QStyle *style = QApplication::style();
    const int size = style->pixelMetric(QStyle::PM_MessageBoxIconSize);
    return style->standardIcon(which).pixmap(size, size);
}

QString CuiMessageBox::buttonText(int code) const
{
    for (int i = 0; i < d->numButtons; ++i) {
        if (d->codes[i] == code)
            return d->buttons[i]->text();
    }
    return QString();
}

void CuiMessageBox::setButtonText(int code, const QString &text)
{
    for (int i = 0; i < d->numButtons; ++i) {
        if (d->codes[i] == code) {
            d->buttons[i]->setText(text);
            resizeButtons();
            return;
        }
    }
}

void CuiMessageBox::buttonClicked()
{
    for (int i = 0; i < d->numButtons; ++i) {
        if (sender() == d->buttons[i]) {
            done(d->codes[i]);
            return;
        }
    }
    done(0);
}

QPushButton *CuiMessageBox::escapeButton() const
{
    return d->escapePos >= 0 && d->escapePos < d->numButtons ? d->buttons[d->escapePos] : nullptr;
}

int CuiMessageBox::border() const
{
    const int b =
        d->buttonSize.height() / 2 - style()->pixelMetric(QStyle::PM_ButtonDefaultIndicator);
    return b > 0 ? b : 10;
}

void CuiMessageBox::adjustSize()
{
    ensurePolished();
    resizeButtons();
    d->label->adjustSize();
    // An empty label still claims a line; without a message there is none.
    const QSize labelSize = d->label->text().isEmpty() ? QSize(0, 0) : d->label->size();
    const int n = d->numButtons;
    const int bw = d->buttonSize.width();
    const int bh = d->buttonSize.height();
    const int b = border();
    const int buttonsWidth = n * bw + (n - 1) * kButtonSpacing;
    int h = labelSize.height() ? bh + labelSize.height() + 3 * b : bh + 2 * b;
    int m = 0;
    if (d->iconLabel->pixmap().width() > 0) {
        d->iconLabel->adjustSize();
        m = d->iconLabel->width() + b;
        if (n > 0)
            h = std::max(h, d->iconLabel->height() + 3 * b + bh);
    }
    int w = std::max(buttonsWidth, labelSize.width() + m) + 2 * b;
    const QScreen *where = QGuiApplication::screenAt(pos());
    if (!where)
        where = screen();
    if (where)
        w = std::min(w, where->geometry().width());
    resize(w, h);
    setMinimumSize(w, h);
}

void CuiMessageBox::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int n = d->numButtons;
    const int bw = d->buttonSize.width();
    const int bh = d->buttonSize.height();
    const int b = border();
    d->iconLabel->adjustSize();
    d->iconLabel->move(b, b);
    const int m = d->iconLabel->pixmap().width() > 0 ? d->iconLabel->width() + b : 0;
    d->label->setGeometry(m + b, b, std::max(0, width() - m - 2 * b),
                          std::max(0, height() - 3 * b - bh));
    const int extra = width() - n * bw - 2 * b - (n - 1) * kButtonSpacing;
    for (int i = 0; i < n; ++i)
        d->buttons[i]->move(b + i * bw + extra / 2 + i * kButtonSpacing, height() - b - bh);
}

void CuiMessageBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        if (QPushButton *button = escapeButton()) {
            button->animateClick();
            event->accept();
            return;
        }
    }
    if (event->modifiers() & Qt::AltModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    const QList<QPushButton *> buttons = findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        const int mnemonic = keyWithoutModifiers(button->shortcut());
        if (key && mnemonic && key == mnemonic) {
            button->animateClick();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void CuiMessageBox::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    if (escapeButton())
        setResult(d->codes[d->escapePos]);
}

void CuiMessageBox::showEvent(QShowEvent *event)
{
    adjustSize();
    QDialog::showEvent(event);
}
