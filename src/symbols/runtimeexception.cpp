#include "symbols/runtimeexception.h"

#include "system/modalseam.h"

#include <QApplication>
#include <QObject>

namespace tesk::symbols {

void showRuntimeException(const std::exception &error)
{
    // Plain text from the host inside rich text: escaped, so a record cannot add markup.
    const QString text =
        QObject::tr("A C++ runtime exception has occured.<p>The following error message was "
                    "returned<p><pre>'%1'</pre><p>It is recommended that you restart the "
                    "application")
            .arg(QString::fromLocal8Bit(error.what()).toHtmlEscaped());
    tesk::system::ModalSeam::messageBox(QApplication::activeWindow(), QMessageBox::Critical,
                                        QObject::tr("Runtime Exception"), text, QMessageBox::Cancel,
                                        QMessageBox::Cancel);
}

} // namespace tesk::symbols
