#pragma once

#include <QIcon>

// The built-in images of menu items and tool buttons by item id. Every id asked for keeps its
// entry, an empty icon when it has no image; entries live until end.
class IconCache
{
public:
    static const QIcon &iconSet(int itemId);
    // Lets every icon go; pictures need the application that made them.
    static void end();
    // The resource path of the id's image; empty when it has none.
    static QString imagePath(int itemId);
};
