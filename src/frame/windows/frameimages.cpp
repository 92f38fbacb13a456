// The frame's built-in pictures, kept as XPM text so they need no resource files.
#include "frame/windows/frameimages.h"

#include <QIcon>

namespace {

static const char *const windowIcon32[] = {
    "32 32 6 1",
    "  c None",
    ". c #000000",
    "b c #1f4e8c",
    "l c #6f9fd8",
    "g c #a0a0a0",
    "o c #f08c00",
    "                                ",
    "                                ",
    "        g  g  g  g  g  g        ",
    "        g  g  g  g  g  g        ",
    "        g  g  g  g  g  g        ",
    "        g  g  g  g  g  g        ",
    "      ....................      ",
    "      .llllllllllllllllll.      ",
    "  gggg.lbbbbbbbbbbbbbbbbb.gggg  ",
    "      .lbbbbbbbbbbbbbbbbb.      ",
    "      .lbbbbbbbbbbbbbbbbb.      ",
    "  gggg.lbbbbbbbbbbbbbbbbb.gggg  ",
    "      .lbbbbbboooobbbbbbb.      ",
    "      .lbbbbboooooobbbbbb.      ",
    "  gggg.lbbbboooooooobbbbb.gggg  ",
    "      .lbbbboooooooobbbbb.      ",
    "      .lbbbboooooooobbbbb.      ",
    "  gggg.lbbbboooooooobbbbb.gggg  ",
    "      .lbbbbboooooobbbbbb.      ",
    "      .lbbbbbboooobbbbbbb.      ",
    "  gggg.lbbbbbbbbbbbbbbbbb.gggg  ",
    "      .lbbbbbbbbbbbbbbbbb.      ",
    "      .lbbbbbbbbbbbbbbbbb.      ",
    "  gggg.lbbbbbbbbbbbbbbbbb.gggg  ",
    "      .lbbbbbbbbbbbbbbbbb.      ",
    "      ....................      ",
    "        g  g  g  g  g  g        ",
    "        g  g  g  g  g  g        ",
    "        g  g  g  g  g  g        ",
    "        g  g  g  g  g  g        ",
    "                                ",
    "                                "
};

static const char *const windowIcon16[] = {
    "16 16 6 1",
    "  c None",
    ". c #000000",
    "b c #1f4e8c",
    "l c #6f9fd8",
    "g c #a0a0a0",
    "o c #f08c00",
    "                ",
    "    g g g g     ",
    "    g g g g     ",
    "   ..........   ",
    " gg.llllllll.gg ",
    "   .lbbbbbbb.   ",
    " gg.lbboobbb.gg ",
    "   .lboooobb.   ",
    " gg.lboooobb.gg ",
    "   .lbboobbb.   ",
    " gg.lbbbbbbb.gg ",
    "   .lbbbbbbb.   ",
    "   ..........   ",
    "    g g g g     ",
    "    g g g g     ",
    "                "
};

static const char *const windowIcon16Shaded[] = {
    "16 16 24 1",
    "  c None",
    ". c #000000",
    "l c #6f9fd8",
    "g c #a0a0a0",
    "o c #f08c00",
    "a c #1f4e8c",
    "b c #255492",
    "c c #2b5a98",
    "d c #31609e",
    "e c #3766a4",
    "f c #3d6caa",
    "h c #4372b0",
    "i c #4978b6",
    "j c #4f7ebc",
    "k c #5584c2",
    "m c #808080",
    "n c #888888",
    "p c #909090",
    "q c #989898",
    "r c #a0a0a0",
    "s c #a8a8a8",
    "t c #b0b0b0",
    "u c #b8b8b8",
    "v c #c0c0c0",
    "                ",
    "    g g g g     ",
    "    g g g g     ",
    "   ..........   ",
    " gg.llllllll.gg ",
    "   .lccccccc.   ",
    " gg.lddooddd.gg ",
    "   .leooooee.   ",
    " gg.lfooooff.gg ",
    "   .lhhoohhh.   ",
    " gg.liiiiiii.gg ",
    "   .ljjjjjjj.   ",
    "   ..........   ",
    "    g g g g     ",
    "    g g g g     ",
    "                "
};

static const char *const padlockClosed[] = {
    "16 16 5 1",
    "  c None",
    ". c #5a4000",
    "y c #e8b400",
    "w c #fff3b0",
    "s c #707070",
    "                ",
    "                ",
    "     ssssss     ",
    "     s    s     ",
    "     s    s     ",
    "     s    s     ",
    "     s    s     ",
    "   ..........   ",
    "   .wwwwwwww.   ",
    "   .yyyyyyyy.   ",
    "   .yyy..yyy.   ",
    "   .yyy..yyy.   ",
    "   .yyy..yyy.   ",
    "   .yyyyyyyy.   ",
    "   ..........   ",
    "                "
};

static const char *const padlockOpen[] = {
    "16 16 5 1",
    "  c None",
    ". c #5a4000",
    "y c #e8b400",
    "w c #fff3b0",
    "s c #707070",
    "                ",
    "     ssssss     ",
    "     s    s     ",
    "     s    s     ",
    "     s          ",
    "     s          ",
    "     s          ",
    "   ..........   ",
    "   .wwwwwwww.   ",
    "   .yyyyyyyy.   ",
    "   .yyy..yyy.   ",
    "   .yyy..yyy.   ",
    "   .yyy..yyy.   ",
    "   .yyyyyyyy.   ",
    "   ..........   ",
    "                "
};

static const char *const colourSwatch[] = {
    "14 14 2 1",
    ". c #000000",
    "c c #c0c0c0",
    "..............",
    ".cccccccccccc.",
    ".cccccccccccc.",
    ".cccccccccccc.",
    ".cccccccccccc.",
    ".cccccccccccc.",
    ".cccccccccccc.",
    ".cccccccccccc.",
    ".cccccccccccc.",
    ".cccccccccccc.",
    ".cccccccccccc.",
    ".cccccccccccc.",
    ".cccccccccccc.",
    ".............."
};

} // namespace

namespace tesk::frame::images {

QPixmap windowIcon(IconSize size)
{
    return QPixmap(size == IconSize::Large ? windowIcon32 : windowIcon16);
}

QIcon windowIconSet()
{
    QIcon icon{QPixmap(windowIcon32)};
    icon.addPixmap(QPixmap(windowIcon16Shaded));
    return icon;
}

QImage padlock(bool locked)
{
    return QImage(locked ? padlockClosed : padlockOpen);
}

QPixmap colourIcon()
{
    return QPixmap(colourSwatch);
}

} // namespace tesk::frame::images
