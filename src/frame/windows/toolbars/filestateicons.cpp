#include "frame/windows/toolbars/filestateicons.h"

namespace tesk::frame {

const char *const kLockedIcon[] = {
    "16 16 6 1",        "  c None",         ". c #000000",      "s c #c0c0c0",
    "k c #606060",      "g c #e8c040",      "d c #a07820",      "                ",
    "     ......     ", "    .ssssss.    ", "   .s.    .s.   ", "   .s.    .s.   ",
    "   .k.    .k.   ", "  ............  ", "  .gggggggggd.  ", "  .gggggggggd.  ",
    "  .gggg..gggd.  ", "  .gggg..gggd.  ", "  .ggggg.gggd.  ", "  .gggggggggd.  ",
    "  .dddddddddd.  ", "  ............  ", "                "};

const char *const kWritableIcon[] = {
    "16 16 7 1",        "  c None",         ". c #000000",      "y c #f0d040",
    "o c #c08020",      "p c #e07080",      "w c #f0e0c0",      "k c #404040",
    "                ", "             .pp", "            .pp.", "           .yo. ",
    "          .yo.  ", "         .yo.   ", "        .yo.    ", "       .yo.     ",
    "      .yo.      ", "     .yo.       ", "    .yo.        ", "   .yo.         ",
    "  wyo.          ", " .w             ", " k              ", "                "};

const char *const kReadOnlyIcon[] = {"16 16 4 1",        "  c None",         ". c #000000",
                                     "w c #ffffff",      "r c #d02020",      "                ",
                                     "   ..........   ", "   .wwwwwwww.   ", "   .wwwwwwww.   ",
                                     "   .wwwwwwww.   ", "   .wwwwwwww.   ", "   .wwwwwwww.   ",
                                     " rrrrrrrrrrrrrr ", " rrrrrrrrrrrrrr ", "   .wwwwwwww.   ",
                                     "   .wwwwwwww.   ", "   .wwwwwwww.   ", "   .wwwwwwww.   ",
                                     "   .wwwwwwww.   ", "   ..........   ", "                "};

} // namespace tesk::frame
