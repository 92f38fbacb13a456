#include "frame/windows/toolbars/scripttoolbar.h"

#include "frame/core/cuitexthelpers.h"
#include "frame/core/services.h"
#include "frame/windows/toolbars/embeddedimages.h"
#include "frame/windows/toolbars/scriptdata.h"
#include "system/lifetime.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>

namespace {

constexpr int kListWidth = 225;
// Marks the entry that stands for an empty list: its shown text is translated, so the toolbar
// tells it by this mark, never by its text.
constexpr int kNoneRole = Qt::UserRole + 1;

QMap<QString, QString> &scriptMap()
{
    return ScriptData::instance()->scripts().map();
}

} // namespace

ScriptToolBar::ScriptToolBar(QWidget *parent, const QString &label, TeskHandle context)
    : KSOToolBar(label, parent)
    , m_context(context)
{
    m_label = new QLabel(tr("Scripts "), this);
    // On the toolbar's background, not a button's (white on pale metal otherwise).
    m_label->setForegroundRole(QPalette::WindowText);
    addWidget(m_label);
    m_scripts = new QComboBox(this);
    m_scripts->setFixedWidth(kListWidth);
    addWidget(m_scripts);
    fillList();
    m_addButton = addButton("addscript.png", &ScriptToolBar::addScript);
    m_runButton = addButton("runscript.png", &ScriptToolBar::runScript);
    m_removeButton = addButton("deletescript.png", &ScriptToolBar::delScript);
    m_removeButton->setText(tr("Del"));
    connect(ScriptData::instance(), &ScriptData::mapUpdated, this, &ScriptToolBar::updateList);
    languageChange();
}

QToolButton *ScriptToolBar::addButton(const char *picture, void (ScriptToolBar::*slot)())
{
    auto *button = new QToolButton(this);
    button->setIcon(QPixmap::fromImage(tesk::frame::embeddedImage(QLatin1String(picture))));
    addWidget(button);
    connect(button, &QToolButton::clicked, this, slot);
    return button;
}

void ScriptToolBar::languageChange()
{
    m_addButton->setToolTip(tr("Add Script"));
    m_runButton->setToolTip(tr("Run Script"));
    m_removeButton->setToolTip(tr("Remove Script"));
    if (scriptMap().isEmpty()) {
        m_scripts->clear();
        addNoneEntry();
    }
}

void ScriptToolBar::addNoneEntry()
{
    m_scripts->addItem(tr("<None>"));
    m_scripts->setItemData(0, true, kNoneRole);
}

bool ScriptToolBar::showsNone() const
{
    return m_scripts->count() == 1 && m_scripts->itemData(0, kNoneRole).toBool();
}

void ScriptToolBar::fillList()
{
    m_scripts->clear();
    if (scriptMap().isEmpty())
        addNoneEntry();
    else
        m_scripts->addItems(scriptMap().keys());
}

void ScriptToolBar::updateList()
{
    fillList();
}

void ScriptToolBar::addScript()
{
    QString unused;
    QStringList files;
    if (!tesk::core::dialogServices().chooseFile(this, tr("Choose Include File"),
                                                 tr("Include Files (*.inc *.log);;All Files (*)"),
                                                 QString(), tesk::core::OpenFiles, unused, files))
        return;
    if (showsNone())
        m_scripts->clear();
    for (const QString &path : files) {
        const QByteArray name =
            tesk::core::abbreviatedPath(QDir::toNativeSeparators(path).toUtf8(), kNameLength, true);
        ScriptData::instance()->scripts().add(QString::fromUtf8(name), path);
    }
    emit ScriptData::instance()->mapUpdated();
}

void ScriptToolBar::delScript()
{
    if (showsNone())
        return;
    ScriptData::instance()->scripts().remove(m_scripts->currentText());
}

void ScriptToolBar::runScript()
{
    if (showsNone() || !m_callback || tesk::lifetime::doomed(this))
        return;
    // A load does not refill the toolbars, so the shown name may be one the list lost.
    const auto entry = scriptMap().constFind(m_scripts->currentText());
    if (entry == scriptMap().cend())
        return;
    const QString path = QDir::toNativeSeparators(entry.value());
    const QByteArray command = QStringLiteral("include '%1'").arg(path).toUtf8();
    const CuiScriptToolBarFn callback = m_callback;
    const TeskHandle context = m_context;
    // Nothing of the toolbar follows the call, so whether it survived needs no check here.
    tesk::lifetime::callHost(this, [&] { callback(context, command.constData()); });
}
