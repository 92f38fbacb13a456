#include "system/filedialogroom.h"
#include "system/freearea.h"

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
        // Grown about its middle, its frame kept within the screen's free area.
        const QRect grown =
            withinFreeArea(window->geometry().adjusted(0, -missing / 2, 0, missing - missing / 2),
                           frameMargins(window), screen->availableGeometry());
        if (grown.height() <= window->height())
            return;
        window->setGeometry(grown);
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
