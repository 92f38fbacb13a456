#include "system/filedialogroom.h"

#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTreeView>

#include <algorithm>

namespace tesk::system {

namespace {

// Sizes the list when its window first shows: the toolkit makes a dialog's widgets only then,
// and places the window just before.
class FileDialogRoom : public QObject
{
public:
    explicit FileDialogRoom(QFileDialog *dialog)
        : QObject(dialog)
        , m_dialog(dialog)
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == m_window && m_dialog) {
            watched->removeEventFilter(this);
            fit();
        }
        return false;
    }

    void watch()
    {
        m_window = m_dialog->window();
        m_window->installEventFilter(this);
    }

private:
    void fit()
    {
        auto *tree = m_dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        if (!tree)
            return;
        // Every column as wide as its widest text; a scroll bar reaches what the dialog's
        // width cannot show.
        tree->header()->setStretchLastSection(false);
        tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        QWidget *window = m_dialog->window();
        const QScreen *screen = window->screen();
        if (!screen)
            return;
        const int iconSize = tree->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, tree);
        const int rowHeight = std::max(tree->fontMetrics().height(), iconSize) + 4;
        const int missing = kFileDialogRows * rowHeight - tree->viewport()->height();
        if (missing <= 0)
            return;
        const QRect available = screen->availableGeometry();
        // The frame the window manager adds is not known before the window shows.
        const int frame = window->style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
        const int height = std::min(window->height() + missing, available.height() - frame);
        if (height <= window->height())
            return;
        // Grown about its middle, kept on its screen.
        const int top = std::clamp(window->y() - (height - window->height()) / 2,
                                   available.top() + frame, available.bottom() + 1 - height);
        const int left =
            std::clamp(window->x(), available.left(),
                       std::max(available.left(), available.right() + 1 - window->width()));
        window->setGeometry(left, top, window->width(), height);
    }

    QPointer<QFileDialog> m_dialog;
    QPointer<QWidget> m_window;
};

} // namespace

void giveFileDialogRoom(QFileDialog *dialog)
{
    if (dialog)
        (new FileDialogRoom(dialog))->watch();
}

} // namespace tesk::system
