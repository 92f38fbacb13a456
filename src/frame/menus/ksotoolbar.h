#pragma once

#include <QToolBar>

// The toolbar of the menu tables; labelled with its table text.
class KSOToolBar : public QToolBar
{
    Q_OBJECT

public:
    KSOToolBar(const QString &label, QWidget *parent);

public slots:
    void toggleToolbarVisibility();
};

namespace tesk::frame {

// The name a toolbar's layout record goes by: the library's own (untranslated) text of its
// title, which no language changes, so that a record stored in one language places the
// toolbar in another. A toolbar given none (a host's own) goes by its title.
void setToolbarRecordName(QToolBar *toolbar, const QString &name);
QString toolbarRecordName(const QToolBar *toolbar);

} // namespace tesk::frame
