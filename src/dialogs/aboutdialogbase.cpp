#include "dialogs/aboutdialogbase.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QTextDocument>

namespace {

// The form's pictures are drawn rather than stored: a kestrel-blue band with the name, a small
// window icon, and a plain mark beside the notice line.
QPixmap banner()
{
    QPixmap picture(370, 88);
    QPainter p(&picture);
    QLinearGradient band(0, 0, 370, 88);
    band.setColorAt(0, QColor(22, 54, 92));
    band.setColorAt(1, QColor(86, 140, 190));
    p.fillRect(picture.rect(), band);
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(30);
    font.setBold(true);
    p.setFont(font);
    p.drawText(picture.rect().adjusted(16, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Kestrova"));
    return picture;
}

QPixmap windowIconPicture()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(22, 54, 92));
    p.setPen(Qt::NoPen);
    p.drawEllipse(picture.rect().adjusted(1, 1, -1, -1));
    p.setPen(Qt::white);
    p.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("K"));
    return picture;
}

QPixmap noticeMark()
{
    QPixmap picture(80, 80);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(86, 140, 190), 4));
    p.drawRoundedRect(picture.rect().adjusted(4, 4, -4, -4), 10, 10);
    p.drawLine(24, 40, 56, 40);
    p.drawLine(40, 24, 40, 56);
    return picture;
}

} // namespace

namespace tesk::dialogs {

QVariant ClosedTextEdit::loadResource(int type, const QUrl &)
{
    // Never null: given nothing, the document and its image handler go and read the file
    // themselves. A picture is a blank dot.
    if (type == QTextDocument::ImageResource) {
        QImage dot(1, 1, QImage::Format_ARGB32);
        dot.fill(Qt::transparent);
        return dot;
    }
    return QByteArray();
}

} // namespace tesk::dialogs

AboutDialogBase::AboutDialogBase(QWidget *parent, const char *name, bool modal,
                                 Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setupUi(this);
    setModal(modal);
    // The pictures are drawn, not stored, so the form leaves them to be set here.
    setWindowIcon(windowIconPicture());
    pixmapLabel3->setPixmap(banner());
    pixmapLabel4->setPixmap(noticeMark());
    // The form's size is where it starts; a longer translation may need more.
    resize(size().expandedTo(minimumSizeHint()));

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialogBase::languageChange()
{
    retranslateUi(this);
}
