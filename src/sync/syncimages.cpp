#include "sync/syncimages.h"

namespace tesk::sync {

// clang-format off
const char *const kCoreChipXpm[] = {
    "18 15 5 1",
    "  c None",
    ". c #000000",
    "g c #808080",
    "s c #C0C0C0",
    "w c #FFFFFF",
    "                  ",
    "     ..........   ",
    "    .ssssssssss.  ",
    "   .ssssssssss.g. ",
    "  .ssssssssss.gg. ",
    " .ssssssssss.ggg. ",
    " ............gggg.",
    " .wssssssssg.ggg. ",
    " .wssssssssg.gg.  ",
    " .wssssssssg.g.   ",
    " .wgggggggg..     ",
    " ...........      ",
    "  . . . . .       ",
    "                  ",
    "                  ",
};

const char *const kSyncWindowXpm[] = {
    "16 16 10 1",
    "  c None",
    ". c #000000",
    "g c #808080",
    "s c #C0C0C0",
    "w c #FFFFFF",
    "b c #000080",
    "l c #4060C0",
    "r c #800000",
    "o c #E08040",
    "y c #F0E060",
    "                ",
    " ......         ",
    " .wsss.g        ",
    " .wsss.g        ",
    " .wsss.g        ",
    " ......g  ll    ",
    "  gggggg lbbl   ",
    "    yyyylb  bl  ",
    "  bl  yyyyyy    ",
    "  lbbl  ......  ",
    "   ll   .wooo.g ",
    "        .wooo.g ",
    "        .wrrr.g ",
    "        ......g ",
    "         gggggg ",
    "                ",
};
// clang-format on

} // namespace tesk::sync
