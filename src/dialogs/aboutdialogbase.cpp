#include "dialogs/aboutdialogbase.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpacerItem>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

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

// A rich-text field that loads nothing its text names: the host's text may point at any file or
// device, and reading one is not the host's to ask.
class ClosedTextEdit : public QTextEdit
{
public:
    using QTextEdit::QTextEdit;

    QVariant loadResource(int type, const QUrl &) override
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
};

} // namespace

AboutDialogBase::AboutDialogBase(QWidget *parent, const char *name, bool modal,
                                 Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("AboutDialogBase"));
    setModal(modal);
    setSizeGripEnabled(true);
    setWindowIcon(windowIconPicture());
    AboutDialogBaseLayout = new QVBoxLayout(this);
    AboutDialogBaseLayout->setObjectName(QStringLiteral("AboutDialogBaseLayout"));
    AboutDialogBaseLayout->setContentsMargins(11, 11, 11, 11);
    AboutDialogBaseLayout->setSpacing(6);

    auto *bannerRow = new QHBoxLayout;
    bannerRow->setSpacing(6);
    bannerRow->addItem(new QSpacerItem(45, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    pixmapLabel3 = new QLabel(this);
    pixmapLabel3->setObjectName(QStringLiteral("pixmapLabel3"));
    pixmapLabel3->setPixmap(banner());
    pixmapLabel3->setScaledContents(true);
    pixmapLabel3->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    bannerRow->addWidget(pixmapLabel3);
    bannerRow->addItem(new QSpacerItem(44, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    AboutDialogBaseLayout->addLayout(bannerRow);

    auto *textRow = new QHBoxLayout;
    textRow->setSpacing(6);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(6);
    buildLabel = new QLabel(this);
    buildLabel->setObjectName(QStringLiteral("buildLabel"));
    buildLabel->setTextFormat(Qt::PlainText);
    texts->addWidget(buildLabel);
    copyrightLabel = new QLabel(this);
    copyrightLabel->setObjectName(QStringLiteral("copyrightLabel"));
    copyrightLabel->setTextFormat(Qt::PlainText);
    texts->addWidget(copyrightLabel);
    textRow->addLayout(texts, 1);
    okButton = new QPushButton(this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    textRow->addWidget(okButton, 0, Qt::AlignTop);
    AboutDialogBaseLayout->addLayout(textRow);

    textLabel9 = new QLabel(this);
    textLabel9->setObjectName(QStringLiteral("textLabel9"));
    AboutDialogBaseLayout->addWidget(textLabel9);
    additionalEdit = new ClosedTextEdit(this);
    additionalEdit->setObjectName(QStringLiteral("additionalEdit"));
    additionalEdit->setReadOnly(true);
    AboutDialogBaseLayout->addWidget(additionalEdit);

    auto *noticeRow = new QHBoxLayout;
    noticeRow->setSpacing(6);
    textLabel10 = new QLabel(this);
    textLabel10->setObjectName(QStringLiteral("textLabel10"));
    textLabel10->setWordWrap(true);
    noticeRow->addWidget(textLabel10);
    pixmapLabel4 = new QLabel(this);
    pixmapLabel4->setObjectName(QStringLiteral("pixmapLabel4"));
    pixmapLabel4->setPixmap(noticeMark());
    pixmapLabel4->setScaledContents(true);
    pixmapLabel4->setFixedSize(80, 80);
    noticeRow->addWidget(pixmapLabel4);
    AboutDialogBaseLayout->addLayout(noticeRow);

    languageChange();
    resize(QSize(497, 539).expandedTo(minimumSizeHint()));

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialogBase::languageChange()
{
    setWindowTitle(tr("About"));
    buildLabel->setText(tr("Kestrova Debugger, version 1.0, build 1"));
    copyrightLabel->setText(tr("Copyright the Kestrova Debugger authors."));
    okButton->setText(tr("OK"));
    textLabel9->setText(tr("Additional Information:"));
    textLabel10->setText(
        tr("Parts of this program are the work of other makers; their notices are listed above."));
}
