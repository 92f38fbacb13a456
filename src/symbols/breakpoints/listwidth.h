#pragma once

class QListWidget;

namespace tesk::breakpoints {

// Lets a short list of fixed rows (types, kinds of action) show its longest row whole, with
// room for the vertical scroll bar.
void widenToRows(QListWidget *list);

} // namespace tesk::breakpoints
