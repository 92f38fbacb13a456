#pragma once

// The view's own state, shared by the files that make up RegView (building, widths, commands
// and painting in regview.cpp; the keyboard in regviewkeys.cpp).

#include "registers/regview.h"

#include <QHash>
#include <QList>
#include <QMenu>
#include <QPointer>
#include <QString>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

class RegViewPrivate
{
public:
    RegViewPrivate(RegViewOwner *owner, RegDataView *dataView, const VisualSettings *settings,
                   KMediator_Format *engine, QMenu *formatPopup)
        : dataView(dataView)
        , settings(settings)
        , engine(engine)
        , formatPopup(formatPopup)
        , owner(owner)
    {
    }

    std::vector<std::unique_ptr<RegEntry>> entries;
    QHash<QString, RegEntry *> byName;
    RegItem *currentGroup = nullptr;
    QString name;
    // The value widths as last formatted; a stale item's counts until it is formatted again.
    QHash<const RegItem *, int> widths;
    // The shown items as last laid out: in reading order, so from top to bottom.
    std::vector<RegItem *> laidOut;
    // Data arrived while the view was hidden: it updates when next shown.
    bool needsUpdate = false;
    int columns = 1;
    int cellWidth = 0;
    int widestName = 0;
    int widestValue = 0;
    bool built = false;
    bool userViewChanged = false;
    bool settleQueued = false;
    // The edit key whose press the view took (0 for none): only its release starts an edit,
    // not the release of a key pressed in an editor that has closed since.
    int editKeyPressed = 0;
    QList<RegItem *> selection;
    RegDataView *dataView;
    const VisualSettings *settings;
    KMediator_Format *engine;
    QPointer<QMenu> formatPopup;
    RegViewOwner *owner;

    // The laid-out items that may meet the rows from top to bottom.
    std::pair<std::vector<RegItem *>::const_iterator, std::vector<RegItem *>::const_iterator>
    rows(int top, int bottom) const
    {
        const auto first =
            std::lower_bound(laidOut.begin(), laidOut.end(), top, [](const RegItem *item, int y) {
                return item->geometry().bottom() < y;
            });
        const auto last =
            std::upper_bound(first, laidOut.end(), bottom,
                             [](int y, const RegItem *item) { return y < item->geometry().top(); });
        return {first, last};
    }
};
