#include "inplaceeditor.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace glyphon {

InPlaceEditor::InPlaceEditor(QWidget *parent, const QString &text, bool selected)
    : QDialog(parent, Qt::Popup | Qt::FramelessWindowHint)
    , m_edit(new QLineEdit(text, this))
{
    setObjectName(QStringLiteral("glyphonInPlaceEditor"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit);
    m_edit->setFrame(false);
    if (selected)
        m_edit->selectAll();
    else
        m_edit->end(false);
    connect(m_edit, &QLineEdit::returnPressed, this, &QDialog::accept);
    setFocusProxy(m_edit);
    // A popup hands the keyboard to its focus child when it opens: without one, the keys the
    // user types would reach the frame and be lost until a click.
    m_edit->setFocus(Qt::PopupFocusReason);
}

QString InPlaceEditor::text() const
{
    return m_edit->text();
}

void InPlaceEditor::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        emit helpRequested();
        return;
    }
    QDialog::keyPressEvent(event);
}

void InPlaceEditor::mousePressEvent(QMouseEvent *event)
{
    // A press outside ends the editor as it ends any popup: the user has moved on to another
    // value, and the one typed is kept as Return keeps it. Escape is the way to drop it.
    if (!rect().contains(event->position().toPoint())) {
        event->accept();
        accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

} // namespace glyphon
