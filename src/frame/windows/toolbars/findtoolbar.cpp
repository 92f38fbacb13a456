#include "frame/windows/toolbars/findtoolbar.h"

#include "frame/core/combobox.h"
#include "frame/core/cuitexthelpers.h"
#include "frame/windows/toolbars/filestateicons.h"
#include "system/lifetime.h"

#include <QEvent>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QToolButton>

#include <functional>
#include <memory>
#include <new>
#include <utility>

namespace {

constexpr int kFieldMinimumWidth = 150;
constexpr int kLineFieldMaximumWidth = 40;
constexpr int kEncodingMinimumWidth = 50;
// The least widths the file and find fields give way to, in average characters.
constexpr int kFileFieldLeastChars = 6;
// The file field gives way to this many before the find field gives way at all.
constexpr int kFileFieldRoomyChars = 16;
constexpr int kFindFieldLeastChars = 10;
// The encoding box keeps room for its shortest choice ("UTF-8"); the others show in its list.
constexpr int kEncodingLeastChars = 5;

const char kEmptyText[] = "";

QPointer<FindToolBar> g_fillingStateMenu;

// One buffer for the find texts of all find toolbars, grown to the longest text so far; the
// host reads it during the call only.
struct FindTextBuffer
{
    std::unique_ptr<uint32_t[]> units;
    qsizetype capacity = 0;

    uint32_t *fit(qsizetype length)
    {
        // At least one unit, so that an empty text still has a buffer to point at.
        const qsizetype wanted = qMax<qsizetype>(length, 1);
        if (wanted > capacity) {
            units.reset(new (std::nothrow) uint32_t[size_t(wanted)]);
            capacity = units ? wanted : 0;
        }
        return units.get();
    }
};

FindTextBuffer &findTextBuffer()
{
    static FindTextBuffer buffer;
    return buffer;
}

} // namespace

FindToolBar::FindToolBar(QWidget *parent, const QString &label, TeskHandle context, int encoding,
                         bool showEncoding)
    : KSOToolBar(label, parent)
    , m_context(context)
{
    addFileControls();
    addSeparator();
    addFindControls();
    addSeparator();
    addLineControls();
    addEncodingControls(showEncoding);
    setEncoding(encoding);
    this->showEncoding(showEncoding);
}

void FindToolBar::addFileControls()
{
    // A toolbar's children take the button text colour, but its labels sit on the window's
    // background: under the metal look that colour is white on pale metal.
    m_fileLabel = new QLabel(tr("File "), this);
    m_fileLabel->setForegroundRole(QPalette::WindowText);
    addWidget(m_fileLabel);
    m_fileField = new QLineEdit(this);
    m_fileField->setObjectName(QStringLiteral("file"));
    m_fileField->setReadOnly(true);
    m_fileField->setStyleSheet(QStringLiteral("QLineEdit { background: lightgrey; }"));
    m_fileField->setMinimumWidth(kFieldMinimumWidth);
    addWidget(m_fileField);
    // The file state: the button reports a click, its menu is filled by the host on demand.
    m_stateButton = new QToolButton(this);
    m_stateButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_stateMenu = new QMenu(m_stateButton);
    m_stateButton->setMenu(m_stateMenu);
    m_stateButton->setPopupMode(QToolButton::MenuButtonPopup);
    addWidget(m_stateButton);
    matchStateButtonText();
    connect(m_stateButton, &QToolButton::clicked, this, &FindToolBar::ROActivated);
    connect(m_stateMenu, &QMenu::aboutToShow, this, &FindToolBar::MenuShow);
    connect(m_stateMenu, &QMenu::triggered, this,
            [this](QAction *action) { MenuActivated(action->data().toInt()); });
}

void FindToolBar::addFindControls()
{
    m_findLabel = new QLabel(tr("Find  "), this);
    m_findLabel->setForegroundRole(QPalette::WindowText);
    addWidget(m_findLabel);
    m_findField = new ComboBox(this, "find");
    m_findField->setDuplicatesEnabled(false);
    m_findField->setMinimumWidth(kFieldMinimumWidth);
    addWidget(m_findField);
    connect(m_findField, &QComboBox::activated, this, &FindToolBar::FindTextActivated);
}

void FindToolBar::addLineControls()
{
    m_lineLabel = new QLabel(tr("Line  "), this);
    m_lineLabel->setForegroundRole(QPalette::WindowText);
    addWidget(m_lineLabel);
    m_lineField = new QLineEdit(this);
    m_lineField->setValidator(new QIntValidator(m_lineField));
    m_lineField->setMaximumWidth(kLineFieldMaximumWidth);
    addWidget(m_lineField);
    connect(m_lineField, &QLineEdit::returnPressed, this, &FindToolBar::GotoLine);
}

void FindToolBar::addEncodingControls(bool separated)
{
    if (separated)
        m_encodingSeparator = addSeparator();
    m_encodingLabel = new QLabel(tr("Encoding"), this);
    m_encodingLabel->setForegroundRole(QPalette::WindowText);
    m_encodingField = new QComboBox(this);
    m_encodingField->setEditable(false);
    m_encodingField->setMinimumWidth(kEncodingMinimumWidth);
    m_encodingField->addItems({tr("ASCII"), tr("UTF-8"), tr("Locale")});
    // A toolbar shows and hides the actions of its widgets, not the widgets themselves.
    m_encodingLabelAction = addWidget(m_encodingLabel);
    m_encodingFieldAction = addWidget(m_encodingField);
    connect(m_encodingField, &QComboBox::activated, this, &FindToolBar::LocaleActivated);
}

void FindToolBar::matchStateButtonText()
{
    QPalette palette = m_stateButton->palette();
    palette.setColor(QPalette::ButtonText, this->palette().color(QPalette::WindowText));
    m_stateButton->setPalette(palette);
}

void FindToolBar::changeEvent(QEvent *event)
{
    KSOToolBar::changeEvent(event);
    if (m_stateButton &&
        (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange))
        matchStateButtonText();
}

bool FindToolBar::call(const void *text, int value, int code)
{
    // A toolbar the host ended in an earlier call waits for its deletion and calls no more.
    if (tesk::lifetime::doomed(this))
        return false;
    if (!m_callback)
        return true;
    const CuiFindToolBarFn callback = m_callback;
    const TeskHandle context = m_context;
    return tesk::lifetime::callHost(this, [&] { callback(context, text, value, code); });
}

void FindToolBar::FindTextActivated(int index)
{
    const QString text = m_findField->itemText(index);
    uint32_t *units = findTextBuffer().fit(text.size());
    if (!units)
        return;
    call(units, cuiStringToCodes(text, units), FindCode);
}

void FindToolBar::GotoLine()
{
    call(kEmptyText, m_lineField->text().toInt(), GotoLineCode);
}

void FindToolBar::ROActivated()
{
    call(kEmptyText, 0, StateButtonCode);
}

void FindToolBar::MenuShow()
{
    m_stateMenu->clear();
    const QPointer<FindToolBar> previous = std::exchange(g_fillingStateMenu, this);
    call(kEmptyText, 0, StateMenuShowCode);
    g_fillingStateMenu = previous;
}

FindToolBar *FindToolBar::fillingStateMenu()
{
    return g_fillingStateMenu;
}

int FindToolBar::naturalWidth() const
{
    return laidOutWidth() + m_givenWay;
}

QSize FindToolBar::sizeHint() const
{
    QSize hint = KSOToolBar::sizeHint();
    if (orientation() == Qt::Horizontal)
        hint.rwidth() += m_givenWay;
    return hint;
}

int FindToolBar::laidOutWidth() const
{
    return KSOToolBar::sizeHint().width();
}

void FindToolBar::resizeEvent(QResizeEvent *event)
{
    KSOToolBar::resizeEvent(event);
    fitFields();
}

void FindToolBar::showEvent(QShowEvent *event)
{
    KSOToolBar::showEvent(event);
    fitFields();
}

void FindToolBar::fitFields()
{
    if (m_fitting || !m_encodingField || !isVisible() || orientation() != Qt::Horizontal)
        return;
    const QScopedValueRollback<bool> fitting(m_fitting, true);
    // Everything at its full width first, then give way step by step while too wide.
    for (QWidget *field :
         {static_cast<QWidget *>(m_fileField), static_cast<QWidget *>(m_findField)}) {
        field->setMinimumWidth(kFieldMinimumWidth);
        field->setMaximumWidth(QWIDGETSIZE_MAX);
    }
    // The least length too: kept, it would widen the box's full width by a few pixels.
    m_encodingField->setMinimumContentsLength(0);
    m_encodingField->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_encodingField->setMaximumWidth(QWIDGETSIZE_MAX);
    m_stateButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The label itself too: the toolbar shows or hides it only when it next lays out, and
    // until then measures it as it was.
    m_encodingLabelAction->setVisible(m_encodingFieldAction->isVisible());
    m_encodingLabel->setVisible(m_encodingFieldAction->isVisible());
    m_encodingField->setToolTip(QString());
    const int givenBefore = std::exchange(m_givenWay, 0);
    const int average = fontMetrics().averageCharWidth();
    const auto giveWay = [this](const std::function<void(int)> &step) {
        const int missing = laidOutWidth() - width();
        if (missing <= 0)
            return;
        const int before = laidOutWidth();
        step(missing);
        m_givenWay += before - laidOutWidth();
    };
    const auto narrow = [](QWidget *field, int least, int missing) {
        const int now = qMin(kFieldMinimumWidth, field->maximumWidth());
        const int width = qMin(now, qMax(least, now - missing));
        field->setMinimumWidth(width);
        field->setMaximumWidth(width);
    };
    // The encoding is chosen once in a while, from a list: its box gives way first, then its
    // label, kept as a tool tip. The file name is read, not typed: its field next, to a name's
    // worth of characters; then the find field; then the file field to its least.
    giveWay([&](int) {
        m_encodingField->setMinimumContentsLength(kEncodingLeastChars);
        m_encodingField->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        m_encodingField->setMaximumWidth(m_encodingField->sizeHint().width());
    });
    giveWay([&](int) {
        if (!m_encodingLabelAction->isVisible())
            return;
        m_encodingLabelAction->setVisible(false);
        m_encodingLabel->setVisible(false);
        m_encodingField->setToolTip(m_encodingLabel->text());
    });
    giveWay([&](int missing) { narrow(m_fileField, kFileFieldRoomyChars * average, missing); });
    giveWay([&](int missing) { narrow(m_findField, kFindFieldLeastChars * average, missing); });
    giveWay([&](int missing) { narrow(m_fileField, kFileFieldLeastChars * average, missing); });
    // Then the label that the file state's icon can do without.
    giveWay([&](int) { m_stateButton->setToolButtonStyle(Qt::ToolButtonIconOnly); });
    // Room the later steps freed goes back to the file name.
    const int slack = width() - laidOutWidth();
    const int fileWidth = m_fileField->maximumWidth();
    if (slack > 0 && fileWidth < kFieldMinimumWidth) {
        const int widened = qMin(kFieldMinimumWidth, fileWidth + slack);
        m_fileField->setMinimumWidth(widened);
        m_fileField->setMaximumWidth(widened);
        m_givenWay -= widened - fileWidth;
    }
    // The hint counts what was given way: the line learns of it even when no field changed.
    if (m_givenWay != givenBefore)
        updateGeometry();
}

void FindToolBar::MenuActivated(int id)
{
    call(kEmptyText, id, StateMenuItemCode);
}

void FindToolBar::LocaleActivated(int index)
{
    call(kEmptyText, index, EncodingCode);
}

void FindToolBar::setFileName(const QString &name)
{
    m_fileField->setText(name);
}

void FindToolBar::setFileState(int kind, const QString &text)
{
    if (kind != FileStateKind)
        return;
    const char *const *picture = nullptr;
    QString label;
    if (text.contains(QLatin1String("locked"))) {
        picture = tesk::frame::kLockedIcon;
        label = tr("Locked Read-Only");
    } else if (text.contains(QLatin1String("readwrite"))) {
        picture = tesk::frame::kWritableIcon;
        label = tr("Writable");
    } else if (text.contains(QLatin1String("readonly"))) {
        picture = tesk::frame::kReadOnlyIcon;
        label = tr("Read-Only");
    } else {
        return;
    }
    m_stateButton->setIcon(QPixmap(picture));
    m_stateButton->setText(label);
    // Shown beside the icon while there is room, else as the button's tool tip.
    m_stateButton->setToolTip(label);
    fitFields();
}

void FindToolBar::fillStateMenu(const QByteArray &text)
{
    QByteArray lines = text;
    if (!lines.endsWith('\n'))
        lines += '\n';
    lines.chop(1);
    m_menuItemCounter = 0;
    for (QByteArray line : lines.split('\n')) {
        if (line.startsWith('!'))
            line.remove(0, 1);
        if (line.startsWith('='))
            line.remove(0, 1);
        if (line.isEmpty()) {
            m_stateMenu->addSeparator();
        } else {
            if (line.startsWith('-'))
                line.remove(0, 1);
            m_stateMenu->addAction(QString::fromLatin1(line))->setData(m_menuItemCounter);
        }
        ++m_menuItemCounter;
    }
    m_menuItemCounter = 0;
}

void FindToolBar::setEncoding(int index)
{
    if (index >= 0 && index < m_encodingField->count())
        m_encodingField->setCurrentIndex(index);
}

void FindToolBar::showEncoding(bool show)
{
    m_encodingLabelAction->setVisible(show);
    m_encodingFieldAction->setVisible(show);
    fitFields();
}

bool FindToolBar::isEncodingShown() const
{
    return m_encodingFieldAction->isVisible();
}

void FindToolBar::focusFindField()
{
    m_findField->setFocus();
}

void FindToolBar::focusLineField()
{
    m_lineField->setFocus();
}
