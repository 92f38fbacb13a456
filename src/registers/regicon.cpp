#include "registers/regicon.h"

#include <QImage>
#include <QPixmap>
#include <QWheelEvent>

#include <array>

namespace {

// The pictures live while any icon does.
struct Pictures
{
    std::array<QPixmap, RegIcon::StateCount> pixmaps;
    int users = 0;
};

Pictures &pictures()
{
    static Pictures shared;
    return shared;
}

constexpr int kMiddleColumn = 5;
constexpr int kBranchRow = 8;

void dottedColumn(QImage &image, int fromRow, int toRow)
{
    for (int y = fromRow; y <= toRow; y += 2)
        image.setPixel(kMiddleColumn, y, 1);
}

void dottedBranch(QImage &image, int fromColumn)
{
    for (int x = fromColumn; x < RegIcon::kWidth; x += 2)
        image.setPixel(x, kBranchRow, 1);
}

// The 9 x 9 box of a group on rows 4 to 12, with a minus, and a plus when closed.
void box(QImage &image, bool plus)
{
    for (int i = 1; i <= 9; ++i) {
        image.setPixel(i, 4, 1);
        image.setPixel(i, 12, 1);
        image.setPixel(1, 3 + i, 1);
        image.setPixel(9, 3 + i, 1);
    }
    for (int x = 3; x <= 7; ++x)
        image.setPixel(x, kBranchRow, 1);
    if (plus) {
        for (int y = 6; y <= 10; ++y)
            image.setPixel(kMiddleColumn, y, 1);
    }
}

QPixmap draw(int state)
{
    QImage image(RegIcon::kWidth, RegIcon::kHeight, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    image.fill(0);
    switch (state) {
    case RegIcon::Closed:
        box(image, true);
        break;
    case RegIcon::Open:
        box(image, false);
        dottedColumn(image, 14, RegIcon::kHeight - 1);
        break;
    case RegIcon::Child:
        dottedColumn(image, 0, RegIcon::kHeight - 1);
        dottedBranch(image, kMiddleColumn);
        break;
    case RegIcon::LastChild:
        dottedColumn(image, 0, kBranchRow);
        dottedBranch(image, kMiddleColumn);
        break;
    case RegIcon::Line:
        dottedBranch(image, 0);
        break;
    default:
        break;
    }
    return QPixmap::fromImage(image);
}

} // namespace

RegIcon::RegIcon()
{
    Pictures &shared = pictures();
    if (shared.users++ == 0) {
        for (int state = 0; state < StateCount; ++state)
            shared.pixmaps[size_t(state)] = draw(state);
    }
}

RegIcon::~RegIcon()
{
    Pictures &shared = pictures();
    if (--shared.users == 0)
        shared.pixmaps.fill(QPixmap());
}

void RegIcon::setState(int state)
{
    if (state >= 0 && state < StateCount)
        m_state = state;
}

const QPixmap &RegIcon::pixmap() const
{
    return pictures().pixmaps[size_t(m_state)];
}

void KComboBoxNoWheelEvent::wheelEvent(QWheelEvent *e)
{
    e->ignore();
}
