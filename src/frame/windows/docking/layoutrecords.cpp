#include "frame/windows/docking/layoutrecords.h"
#include "frame/core/hosttext.h"

#include <QList>

#include <cstring>

namespace tesk::frame {

namespace {

constexpr int kDockNumberFields = 9;
constexpr int kDockVisibleField = 7;
constexpr int kToolbarFields = 8;
// Window systems address a window's extent in 16 bits.
constexpr int kLargestWindowExtent = 32767;

int number(const QByteArray &field, int byDefault = 0)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok ? value : byDefault;
}

} // namespace

QByteArray writeDockRecord(const DockRecord &r)
{
    const QByteArray numbers =
        QByteArray(":") + QString::asprintf("%i:%i:%i:%i:%i:%i:%i:%i:%i", r.area, r.newLine,
                                            r.index, r.x, r.y, r.width, r.height, r.visible,
                                            r.gotoFlag)
                              .toLatin1();
    const int room = kLayoutRecordSize - 1 - int(numbers.size());
    return r.caption.toLatin1().left(qMax(0, room)) + numbers;
}

DockRecord readDockRecord(const QByteArray &text)
{
    DockRecord r;
    QList<QByteArray> fields = text.split(':');
    // Fields 9 and 10 may be missing; the caption takes whatever is left of the numbers.
    int numbers = qMin(kDockNumberFields, int(fields.size()) - 1);
    if (fields.size() > kDockNumberFields + 1)
        numbers = kDockNumberFields;
    else if (numbers < 0)
        numbers = 0;
    const QList<QByteArray> tail = fields.mid(fields.size() - numbers);
    r.caption = QString::fromLatin1(fields.mid(0, fields.size() - numbers).join(':'));
    int *targets[] = {&r.area,  &r.newLine, &r.index,   &r.x,       &r.y,
                      &r.width, &r.height,  &r.visible, &r.gotoFlag};
    for (int i = 0; i < tail.size(); ++i)
        *targets[i] = number(tail[i]);
    // A settings file edited by hand or spoilt may hold any number: the layout adds extents and
    // places up, which no window system's would overflow.
    r.x = qBound(-kLargestWindowExtent, r.x, kLargestWindowExtent);
    r.y = qBound(-kLargestWindowExtent, r.y, kLargestWindowExtent);
    r.width = qBound(0, r.width, kLargestWindowExtent);
    r.height = qBound(0, r.height, kLargestWindowExtent);
    // A record cut within its visible field says nothing about it: the dock shows, as a new
    // one would, instead of coming back hidden.
    if (tail.size() > kDockVisibleField)
        r.visible = number(tail[kDockVisibleField], DockRecord().visible);
    return r;
}

QByteArray writeToolbarRecord(const ToolbarRecord &r)
{
    return QString::asprintf("%i:%i:%i:%i:%i:%i:%i:%i:", r.newLine, r.index, r.x, r.y, r.offset,
                             r.hidden, r.width, r.height)
        .toLatin1();
}

std::optional<ToolbarRecord> readToolbarRecord(const QByteArray &text)
{
    if (text.size() >= kLayoutRecordSize)
        return std::nullopt;
    QList<QByteArray> fields = text.split(':');
    if (fields.size() == kToolbarFields + 1 && fields.last().isEmpty())
        fields.removeLast();
    if (fields.size() != kToolbarFields)
        return std::nullopt;
    ToolbarRecord r;
    int *all[] = {&r.newLine, &r.index, &r.x, &r.y, &r.offset, &r.hidden, &r.width, &r.height};
    for (int i = 0; i < kToolbarFields; ++i) {
        bool ok = false;
        *all[i] = fields[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    const auto fits = [](int extent) { return extent >= 0 && extent <= kLargestWindowExtent; };
    if (!fits(r.width) || !fits(r.height))
        return std::nullopt;
    return r;
}

void copyRecord(const QByteArray &record, char *buffer)
{
    tesk::core::writeCut(record, buffer, kLayoutRecordSize, tesk::core::Encoding::Latin1);
}

} // namespace tesk::frame
