#pragma once

#include <QComboBox>
#include <QPixmap>

// The expand icon of a register item: blank, closed or open group, or a line of the group's
// tree. Its pictures are shared by every icon; the item paints the one of its state, so an
// icon costs no widget.
class RegIcon final
{
public:
    enum State { Blank, Closed, Open, Child, LastChild, Line, StateCount };
    static constexpr int kWidth = 11;
    static constexpr int kHeight = 19;

    RegIcon();
    ~RegIcon();
    RegIcon(const RegIcon &) = delete;
    RegIcon &operator=(const RegIcon &) = delete;

    int state() const { return m_state; }
    void setState(int state);
    bool isClickable() const { return m_state == Closed || m_state == Open; }
    const QPixmap &pixmap() const;

private:
    int m_state = Blank;
};

// A combo box that a wheel turned over it never changes.
class KComboBoxNoWheelEvent final : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

protected:
    void wheelEvent(QWheelEvent *e) override;
};
