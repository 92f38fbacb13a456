#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tesk::frame {

// The host keeps these records as opaque strings between runs; the writer and the reader
// agree field for field.
//
// Dock window: "caption:area:newLine:index:x:y:width:height:visible:goto", area 0 top,
// 1 left, 2 right, 3 bottom, 4 none (floating), index -1 in no area; visible 0 hidden, 1 shown,
// kShownInFront shown as the tab in front of its group (records of older runs say 1 there,
// and a reader that knows 0 and 1 only takes it for shown).
constexpr int kShownInFront = 2;

struct DockRecord
{
    QString caption;
    int area = 4;
    int newLine = 0;
    int index = -1;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int visible = 1;
    int gotoFlag = 0;
};

// Toolbar: "newLine:index:x:y:offset:hidden:width:height:", index -1 when floating.
struct ToolbarRecord
{
    int newLine = 0;
    int index = -1;
    int x = 0;
    int y = 0;
    int offset = 0;
    int hidden = 0;
    int width = 0;
    int height = 0;
};

// The host's record buffers hold this many bytes with the terminator; a longer caption is
// cut so that the numbers still fit.
constexpr int kLayoutRecordSize = 256;

QByteArray writeDockRecord(const DockRecord &record);
// A record of more than ten fields is read from the right: the last nine are the numbers and
// the caption is everything before them, so a ':' in a caption survives in a whole record.
// A record without fields 9 and 10 whose caption holds ':' is read from the right too, and
// so takes part of its caption as numbers. A record of ten fields or fewer is read from the
// left; missing trailing fields keep their defaults; a field that is no number reads as 0.
// Places and extents are bounded to what a window system can give a window.
DockRecord readDockRecord(const QByteArray &text);
QByteArray writeToolbarRecord(const ToolbarRecord &record);
// Nothing for a record the writer cannot have made: not eight numbers (the last ':' may be
// missing), longer than a record buffer, or a size no window system can give a window.
std::optional<ToolbarRecord> readToolbarRecord(const QByteArray &text);

// Copies the record into a host buffer of kLayoutRecordSize bytes, always terminated.
void copyRecord(const QByteArray &record, char *buffer);

} // namespace tesk::frame
