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
