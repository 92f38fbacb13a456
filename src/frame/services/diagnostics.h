#pragma once

#include <QObject>

#include <memory>
#include <stdexcept>

class QFile;
class QTextStream;

// Aids for a developer who investigates the running widget tree; nothing in the library
// installs them.

// Logs name and class of every object clicked with Shift and Control held to
// "$TMP/events.txt"; logs nothing when TMP is unset. Consumes no event.
class BlackHole : public QObject
{
    Q_OBJECT

public:
    explicit BlackHole(QObject *parent = nullptr, const char *name = nullptr);
    ~BlackHole() override;

    bool eventFilter(QObject *watched, QEvent *event) override;
    bool isLogging() const { return m_file != nullptr; }

private:
    std::unique_ptr<QFile> m_file;
};

class FileOpenError : public std::runtime_error
{
public:
    explicit FileOpenError(const char *message)
        : std::runtime_error(message)
    {
    }
};

namespace tesk::frame {

// Writes the descendants of root, one a line indented by depth; appends when append is 1.
// Throws FileOpenError when the file cannot be opened.
bool dumpObjectTree(const QObject *root, const QString &fileName, int append);
void listDescendants(const QObject *object, QTextStream &stream, int depth);

} // namespace tesk::frame
