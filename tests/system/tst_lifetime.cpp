// Objects the host ends while the library is inside a call wait for the outermost scope; modal
// runs tell their caller whether the dialog and its owner outlived the loop.
#include "modalanswers.h"
#include "testhost.h"

#include "frame/core/cuihandles.h"
#include "system/lifetime.h"
#include "system/modalseam.h"

#include <QCoreApplication>
#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

namespace lifetime = tesk::lifetime;
using tesk::system::Modal;
using tesk::system::ModalSeam;

namespace {

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

TEST(Lifetime, AnObjectEndedInsideNestedScopesGoesAfterTheOutermostWithItsHandleDeadAtOnce)
{
    testhost::startLibrary();
    auto *widget = new QWidget;
    widget->show();
    QPointer<QWidget> guard(widget);
    void *handle = tesk::handles::add(widget);
    int ended = 0;
    lifetime::EndWatch watch(widget, [&ended] { ++ended; });
    {
        lifetime::Scope outer(widget);
        {
            lifetime::Scope inner;
            lifetime::destroy(widget);
            lifetime::destroy(widget); // a second end is ignored
            EXPECT_FALSE(outer.alive());
            EXPECT_TRUE(inner.alive());
        }
        processDeferredDeletes();
        ASSERT_TRUE(guard) << "deleted while a scope was still open";
        EXPECT_FALSE(guard->isVisible());
        EXPECT_EQ(tesk::handles::object(handle), nullptr);
        EXPECT_TRUE(lifetime::doomed(widget));
    }
    processDeferredDeletes();
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(tesk::handles::object(handle), nullptr);

    // Outside every scope the end is immediate.
    auto *other = new QObject;
    QPointer<QObject> otherGuard(other);
    lifetime::destroy(other);
    EXPECT_TRUE(otherGuard.isNull());
}

// A host that pumps with processEvents of its own and never runs a loop: what was ended inside
// a scope goes with its next pass, and a window ended outside every scope as well; a scope
// open at that pass keeps the object until the scope's end.
TEST(Lifetime, AHostPumpingItsOwnEventsDeletesWhatWasEndedInsideAScope)
{
    testhost::startLibrary();
    const QPointer<QWidget> firstGuard(new QWidget), secondGuard(new QWidget);
    const QPointer<QWidget> windowGuard(new QWidget);
    {
        lifetime::Scope scope;
        lifetime::destroy(firstGuard);
        lifetime::destroy(secondGuard);
    }
    lifetime::destroyLater(windowGuard);
    {
        lifetime::Scope open;
        QCoreApplication::processEvents();
        EXPECT_TRUE(firstGuard && secondGuard) << "deleted while a scope was open";
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(firstGuard.isNull());
    EXPECT_TRUE(secondGuard.isNull());
    EXPECT_TRUE(windowGuard.isNull());
}

// The library unloads with a deletion still queued: it is carried out then, while the code
// that deletes is there, instead of waiting for a pass of the host's that would run code gone.
TEST(Lifetime, DeletionsStillQueuedAreCarriedOutWhenTheLibraryUnloads)
{
    testhost::startLibrary();
    const QPointer<QObject> guard(new QObject);
    {
        lifetime::Scope scope;
        lifetime::destroy(guard);
    }
    ASSERT_TRUE(guard) << "deleted before the event loop ran";
    lifetime::endQueuedCalls();
    EXPECT_TRUE(guard.isNull());
}

TEST(Lifetime, AModalRunEndsWhenItsOwnerIsEndedOrItsParentDiesInsideTheLoop)
{
    testhost::startLibrary();
    testhost::ModalAnswers answers;

    // The owner ended from inside the loop: the dialog is rejected, the owner waits for the
    // run's scope, and the caller is told.
    auto *owner = new QWidget;
    QPointer<QWidget> ownerGuard(owner);
    answers.setHandler([owner](const ModalSeam::Request &) { lifetime::destroy(owner); });
    {
        Modal<QDialog> dialog;
        const ModalSeam::Result result = dialog.run(owner);
        EXPECT_FALSE(result.alive);
        EXPECT_FALSE(result.accepted());
    }
    processDeferredDeletes();
    EXPECT_TRUE(ownerGuard.isNull());

    // The parent deleted inside the loop takes the heap dialog along; the holder deletes
    // nothing twice (ASan watches).
    auto *parent = new QWidget;
    answers.setHandler([parent](const ModalSeam::Request &) { delete parent; });
    {
        Modal<QDialog> dialog(parent);
        EXPECT_FALSE(dialog.run().alive);
        EXPECT_FALSE(dialog);
    }

    // The window a dialog belongs to, ended from inside the loop, ends the loop too, though
    // hiding the window alone would not.
    auto *window = new QWidget;
    QPointer<QWidget> windowGuard(window);
    answers.setHandler([window](const ModalSeam::Request &) { lifetime::destroy(window); });
    {
        Modal<QDialog> dialog(window);
        EXPECT_FALSE(dialog.run().alive);
    }
    processDeferredDeletes();
    EXPECT_TRUE(windowGuard.isNull());

    // A menu whose owner goes chooses nothing.
    auto *menuOwner = new QObject;
    answers.setHandler([menuOwner](const ModalSeam::Request &request) {
        if (auto *menu = qobject_cast<QMenu *>(request.widget.data()))
            menu->setActiveAction(menu->actions().value(0));
        delete menuOwner;
    });
    Modal<QMenu> menu;
    menu->addAction(QStringLiteral("Item"));
    const ModalSeam::Result chosen = menu.runMenu(QPoint(10, 10), menuOwner);
    EXPECT_FALSE(chosen.alive);
    EXPECT_EQ(chosen.chosen, nullptr);

    // A box whose parent closes inside the loop answers its escape button.
    auto *boxParent = new QWidget;
    const ModalSeam::Responder previous =
        ModalSeam::setResponder([boxParent](const ModalSeam::Request &) { delete boxParent; });
    EXPECT_EQ(ModalSeam::messageBox(boxParent, QMessageBox::Question, QStringLiteral("Q"),
                                    QStringLiteral("Go?"), QMessageBox::Yes | QMessageBox::No,
                                    QMessageBox::Yes),
              QMessageBox::No);
    ModalSeam::setResponder(previous);
}
