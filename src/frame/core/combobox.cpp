#include "frame/core/combobox.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr int kTypeAheadMs = 400;

} // namespace

namespace tesk::core {

void takeTypedTextAsItStands(QComboBox *combo)
{
    combo->setCompleter(nullptr);
}

} // namespace tesk::core

ComboBox::ComboBox(QWidget *parent, const char *name)
    : QComboBox(parent)
{
    setObjectName(QString::fromLatin1(name));
    setEditable(true);
    // The toolkit's own completer is case-insensitive and would fight the inline completion.
    setCompleter(nullptr);
    lineEdit()->installEventFilter(this);
    m_typeAhead.setSingleShot(true);
    m_typeAhead.setInterval(kTypeAheadMs);
}

int ComboBox::completionIndex(const QString &prefix, int start) const
{
    const int n = count();
    if (start < 0 || start >= n)
        start = 0;
    if (n == 0)
        return -1;
    if (prefix.isEmpty())
        return start;
    for (int i = 0; i < n; ++i) {
        const int item = (start + i) % n;
        if (itemText(item).startsWith(prefix, Qt::CaseSensitive))
            return item;
    }
    return -1;
}

bool ComboBox::isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_F4:
        return true;
    default:
        return false;
    }
}

bool ComboBox::eventFilter(QObject *watched, QEvent *event)
{
    QLineEdit *edit = lineEdit();
    if (!edit || watched != edit)
        return QComboBox::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Keys the combo box itself takes (choosing entries) complete nothing.
        const int key = static_cast<QKeyEvent *>(event)->key();
        m_pending = !isNavigationKey(key) && key != Qt::Key_End;
        if (m_pending)
            m_start = edit->cursorPosition();
        return false;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        resetCompletion();
        return false;
    case QEvent::InputMethodQuery:
    case QEvent::ShortcutOverride:
        // Asked while the key is still being taken: the text has not changed yet.
        return false;
    default:
        if (m_pending)
            completeInline();
        return false;
    }
}

void ComboBox::completeInline()
{
    m_pending = false;
    QLineEdit *edit = lineEdit();
    const QString typed = edit->text();
    const int cursor = edit->cursorPosition();
    if (typed.isEmpty() || cursor <= m_start || cursor != typed.size())
        return;
    const int item = completionIndex(typed, currentIndex());
    if (item < 0)
        return;
    const QString completed = itemText(item);
    {
        const QSignalBlocker blocker(this);
        setCurrentIndex(item);
    }
    edit->setText(completed);
    // Cursor after the typed part, the completed rest selected.
    edit->setSelection(int(completed.size()), int(typed.size() - completed.size()));
}

void ComboBox::keyPressEvent(QKeyEvent *event)
{
    if (!isEditable() && !event->text().isEmpty() && event->text().at(0).isPrint()) {
        typeAhead(event->text());
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void ComboBox::typeAhead(const QString &typed)
{
    int item = -1;
    int matched = 0;
    if (m_typeAhead.isActive()) {
        m_typeAhead.stop();
        const QString prefix = currentText().left(m_start) + typed;
        item = completionIndex(prefix, currentIndex());
        matched = int(prefix.size());
        if (item < 0 && m_start > 0) {
            item = completionIndex(typed, 0);
            matched = int(typed.size());
        }
    } else {
        item = completionIndex(typed, currentIndex() + 1);
        matched = int(typed.size());
    }
    if (item < 0)
        return;
    setCurrentItem(item);
    m_start = matched;
    m_typeAhead.start();
    const QString text = itemText(item);
    if (!text.isNull())
        emit textActivated(text);
    emit activated(item);
}

void ComboBox::focusInEvent(QFocusEvent *event)
{
    resetCompletion();
    QComboBox::focusInEvent(event);
}

void ComboBox::focusOutEvent(QFocusEvent *event)
{
    resetCompletion();
    QComboBox::focusOutEvent(event);
}

void ComboBox::childEvent(QChildEvent *event)
{
    // A line edit comes new with every change to editable.
    if (event->polished()) {
        if (auto *edit = qobject_cast<QLineEdit *>(event->child()))
            edit->installEventFilter(this);
    }
    QComboBox::childEvent(event);
}

void ComboBox::setCurrentItem(int index)
{
    if (index != currentIndex())
        m_start = 0;
    setCurrentIndex(index);
}

void ComboBox::resetCompletion()
{
    m_start = 0;
    m_pending = false;
}
