#include "frame/services/diagnostics.h"

#include "system/regularfile.h"

#include <QFile>
#include <QMouseEvent>
#include <QTextStream>

BlackHole::BlackHole(QObject *parent, const char *name)
    : QObject(parent)
{
    setObjectName(QString::fromLatin1(name));
    const QString folder = qEnvironmentVariable("TMP");
    if (folder.isEmpty())
        return;
    m_file = std::make_unique<QFile>();
    if (!tesk::system::openRegular(*m_file, folder + QStringLiteral("/events.txt"),
                                   QIODevice::WriteOnly | QIODevice::Append)) {
        m_file.reset();
        throw std::runtime_error("Failed to open file");
    }
    m_file->write("Event stream\n============\n");
}

BlackHole::~BlackHole() = default;

bool BlackHole::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_file)
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        const auto modifiers = static_cast<QMouseEvent *>(event)->modifiers();
        if (modifiers.testFlag(Qt::ShiftModifier) && modifiers.testFlag(Qt::ControlModifier)) {
            const QMetaObject *meta = watched->metaObject();
            QByteArray lines = "Widget name : " + watched->objectName().toUtf8() + '\n';
            lines += QByteArray("Widget class: ") + meta->className() + '\n';
            if (meta->superClass())
                lines += QByteArray("Super class : ") + meta->superClass()->className() + '\n';
            m_file->write(lines + '\n');
        }
    }
    m_file->flush();
    return false;
}

namespace tesk::frame {

void listDescendants(const QObject *object, QTextStream &stream, int depth)
{
    for (const QObject *child : object->children()) {
        const char *className = child->metaObject()->className();
        stream << QString(depth, QLatin1Char(' '))
               << QStringLiteral("%1 - %2").arg(child->objectName(), QLatin1String(className))
               << '\n';
        if (qstrcmp(className, "QComboBox") == 0)
            stream << "QComboBox #########\n";
        if (!child->children().isEmpty())
            listDescendants(child, stream, depth + 1);
    }
}

bool dumpObjectTree(const QObject *root, const QString &fileName, int append)
{
    QFile file;
    const auto mode =
        QIODevice::WriteOnly | (append == 1 ? QIODevice::Append : QIODevice::Truncate);
    if (!tesk::system::openRegular(file, fileName, mode)) {
        const QByteArray message =
            QStringLiteral("Failed to open file %1 for output").arg(fileName).toLatin1();
        throw FileOpenError(message.constData());
    }
    QTextStream stream(&file);
    listDescendants(root, stream, 0);
    return true;
}

} // namespace tesk::frame
