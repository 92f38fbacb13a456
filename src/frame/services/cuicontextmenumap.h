#pragma once

#include <QMap>
#include <QObject>
#include <QString>

// The labels of context menus that the host describes by key ("#" and a number) instead of by
// text, so that they are translated in one place. Filled on first use; refilled when another
// language is installed.
class CuiContextMenuMap : public QObject
{
public:
    static const QMap<QString, QString> &instance();
    // The label of the key in the current language, or a null string.
    static QString lookup(const QString &key);
    static void refill();

private:
    static QMap<QString, QString> &dictionary();
    static void fill(QMap<QString, QString> &labels);
};
