#pragma once

#include <QIcon>

// The built-in images of menu items and tool buttons by item id. Every id asked for keeps its
// entry, an empty icon when it has no image; entries live as long as the process.
class IconCache
{
public:
    static const QIcon &iconSet(int itemId);
    // The resource path of the id's image; empty when it has none.
    static QString imagePath(int itemId);
};
