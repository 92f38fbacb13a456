#pragma once

#include <QDialog>

class QLineEdit;

namespace glyphon {

// The popup line editor of an in-place edit: Return accepts, Escape or a click elsewhere
// cancels, F1 asks for help.
class InPlaceEditor final : public QDialog
{
    Q_OBJECT

public:
    InPlaceEditor(QWidget *parent, const QString &text, bool selected);

    QString text() const;

signals:
    void helpRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QLineEdit *m_edit;
};

} // namespace glyphon
