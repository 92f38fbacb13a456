#pragma once

// The sweep's re-entering modes: the library used as a host uses it, which keeps what it is
// handed and acts from its timers while the library's own loops and callbacks run.
//   texts      an export answering a pointer is asked twice (about two objects where it takes
//              one); its first answer, read afterwards, must be unchanged.
//   loops      from inside each dialog, box, chooser and menu an export runs, the host asks
//              for the main loop (which must be refused) and shuts down, then closes the main
//              window; where the loop runs for an owner (a pane, view, dialog), a second run
//              destroys the owner instead.
//   callbacks  inside each host function the library calls, the host destroys the object that
//              called; a second run closes the main window instead.
// Each run holds the rules of the lifetime road, not only survival: an ended owner's handle is
// refused from that moment, the loop the host acted in ends by itself when its owner ended or
// its window closed, and a caller whose owner the host ended calls the host no more (unless
// the line says why it may). Events are pumped after each run, and a main window is made again
// when it went.

#include "modalanswers.h"
#include "testhost.h"

#include "frame/core/cuihandles.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"
#include "system/modalseam.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace hostile::reenter {

class Host
{
public:
    enum class Act { DestroyOwner, CloseWindow };

    static Host &instance()
    {
        static Host host;
        return host;
    }

    // From then on every modal request reaches this host first.
    void install()
    {
        m_answer = tesk::system::ModalSeam::setResponder(
            [this](const tesk::system::ModalSeam::Request &request) { respond(request); });
    }

    // The frame context of the shown main window; one is made when there is none.
    TeskHandle window()
    {
        MainWindow *window =
            Store::existing() ? Store::instance()->findMainWindowByHandle(m_context) : nullptr;
        if (!window || !window->isVisible())
            m_context = makeWindow();
        return m_context;
    }
    // Another main window, which becomes current; closed when the run ends.
    TeskHandle otherWindow()
    {
        const TeskHandle context = makeWindow();
        m_others.push_back(context);
        return context;
    }

    // The object the run's call works for, how the host ends it, and its handle where the host
    // holds one, which must be refused from the moment the owner is ended. An owner that is only
    // a recipe (a dialog's description) leaves the loops made from it running.
    void owner(std::function<void()> destroy, TeskHandle handle = 0, bool endsItsLoops = true)
    {
        m_owner = std::move(destroy);
        m_ownerHandle = handle;
        m_ownerEndsLoops = endsItsLoops;
    }
    // What the host does in the next loop instead of acting in it (choosing a menu item,
    // pressing a button), so that the library calls back.
    void inLoop(std::function<void(QWidget *)> step) { m_inLoop = std::move(step); }

    // Run once the run has ended (host functions withdrawn, objects of the run's own deleted).
    void later(std::function<void()> function) { m_later.push_back(std::move(function)); }
    bool acted() const { return m_acted; }
    // The library may call the host's function again after the host ended the owner, and why.
    void mayCallAgain(const char *why) { m_callAgainWhy = why; }

    // A rule of the lifetime road the run broke; the run does not hold.
    void broken(const std::string &rule) { m_broken.push_back(rule); }

    // The run's act, taken once: the owner destroyed (the main window closed when the run has
    // no owner), or the main window closed.
    void act()
    {
        if (!m_armed)
            return;
        if (m_acted) {
            // A caller told its ended owner still lives goes on and asks the host again.
            if (m_hadOwner && !m_callAgainWhy)
                broken("the host was called again after it ended the owner");
            return;
        }
        m_acted = true;
        if (m_act == Act::DestroyOwner && m_owner) {
            m_hadOwner = true;
            const void *handle = reinterpret_cast<const void *>(m_ownerHandle);
            const bool hadHandle = handle && tesk::handles::object(handle);
            std::exchange(m_owner, nullptr)();
            if (hadHandle && tesk::handles::object(handle))
                broken("the ended owner's handle still answers");
        } else {
            QtCloseCode(m_context);
        }
    }

    // One run of a line: false, said on the output, when it never reached the host.
    bool run(const std::string &name, Act act, bool actInLoops, const std::function<void()> &body)
    {
        std::printf("reenter: %s, %s\n", name.c_str(),
                    act == Act::DestroyOwner ? "owner destroyed" : "window closed");
        std::fflush(stdout);
        window();
        m_act = act;
        m_actInLoops = actInLoops;
        m_armed = true;
        m_acted = m_hadOwner = false;
        m_runTaken = false;
        m_broken.clear();
        body();
        m_armed = false;
        endRun();
        if (!m_acted)
            std::printf("reenter: %s never reached the host\n", name.c_str());
        if (m_runTaken)
            std::printf("reenter: %s ran the main loop inside its own\n", name.c_str());
        for (const std::string &rule : m_broken)
            std::printf("reenter: %s: %s\n", name.c_str(), rule.c_str());
        return m_acted && !m_runTaken && m_broken.empty();
    }
    bool hadOwner() const { return m_hadOwner; }

    // A line's body run as a host uses the library, acting nowhere; what it made is ended
    // afterwards as after a run.
    void drive(const std::function<void()> &body)
    {
        window();
        m_armed = false;
        body();
        endRun();
    }

    static void pump()
    {
        for (int i = 0; i < 4; ++i) {
            CuiPump();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

private:
    using Request = tesk::system::ModalSeam::Request;

    void endRun()
    {
        m_callAgainWhy = nullptr;
        m_inLoop = nullptr;
        if (m_owner)
            std::exchange(m_owner, nullptr)();
        m_ownerHandle = 0;
        for (const auto &later : std::exchange(m_later, {}))
            later();
        for (const TeskHandle other : std::exchange(m_others, {}))
            QtCloseCode(other);
        pump();
    }

    TeskHandle makeWindow()
    {
        QtCreateNewCode(1);
        CuiFrameRecord record{1, 0, 3, 77};
        const TeskHandle context = ++m_lastContext;
        QtFrameCreate("Debugger", context, &record);
        QtFrameShow();
        return context;
    }

    // As a host timer would inside the loop it acts in: the main loop run there would end the
    // application under the running one once it returned; the shutdown ends the library's
    // loops and waits for the next run.
    void runAndShutDown()
    {
        if (CuiRun() != 0)
            m_runTaken = true;
        QtShutdown();
    }

    void respond(const Request &request)
    {
        const QPointer<QWidget> widget = request.widget;
        const bool actedBefore = m_acted;
        // The loop must end when its owner ends, or when it belongs to the window closed; a
        // dialog of no window may stay for the user to answer.
        const bool endsWithAct =
            m_act == Act::DestroyOwner && m_owner ? m_ownerEndsLoops : inWindow(widget);
        // A step the user takes first leads to the loop the run acts in.
        if (m_inLoop)
            std::exchange(m_inLoop, nullptr)(widget);
        else if (m_armed && m_actInLoops && !m_acted) {
            // Which loop the act fell in, so that a line acting in another one shows.
            std::printf("reenter:   in %s %s\n", widget ? widget->metaObject()->className() : "-",
                        widget ? qPrintable(widget->objectName()) : "");
            std::fflush(stdout);
            runAndShutDown();
            act();
        } else
            return answer(request);
        // As a host timer would, the act returns to the running loop, which must end by itself
        // when its window or owner went; whatever still waits then gets the default answer.
        const bool actedHere = m_acted && !actedBefore && endsWithAct;
        QTimer::singleShot(300, widget.data(), [this, request, actedHere] {
            if (actedHere && request.widget && request.widget->isVisible())
                broken("the loop the host acted in went on");
            answer(request);
        });
    }

    // Whether the widget belongs to the run's main window.
    bool inWindow(const QObject *widget) const
    {
        const QObject *window =
            Store::existing() ? Store::instance()->findMainWindowByHandle(m_context) : nullptr;
        for (const QObject *o = widget; o && window; o = o->parent()) {
            if (o == window)
                return true;
        }
        return false;
    }

    void answer(const Request &request)
    {
        if (request.widget && request.widget->isVisible() && m_answer)
            m_answer(request);
    }

    tesk::system::ModalSeam::Responder m_answer;
    std::function<void()> m_owner;
    std::function<void(QWidget *)> m_inLoop;
    std::vector<std::function<void()>> m_later;
    std::vector<TeskHandle> m_others;
    std::vector<std::string> m_broken;
    TeskHandle m_ownerHandle = 0;
    bool m_ownerEndsLoops = true;
    const char *m_callAgainWhy = nullptr;
    TeskHandle m_context = 0;
    TeskHandle m_lastContext = 0x7e00;
    Act m_act = Act::CloseWindow;
    bool m_actInLoops = false;
    bool m_armed = false;
    bool m_acted = false;
    bool m_hadOwner = false;
    bool m_runTaken = false;
};

inline Host &host()
{
    return Host::instance();
}

// A line of the loops or callbacks table: the driver, or (callbacks) why the library never
// calls that function back from inside one of its calls. A loops line names the export that
// runs the loop, or, for a loop the user opens, the class the input lands on and the input.
struct Line
{
    const char *name;
    void (*run)(Host &);
    const char *reason = nullptr;
    const char *input = nullptr;
};

// The line's runs: the owner destroyed, then (when the line has an owner) the window closed.
// The label tells lines of one name apart ("name#2").
inline bool runLine(const Line &line, bool actInLoops, const std::string &label)
{
    if (!line.run)
        return true;
    Host &h = host();
    const auto body = [&] { line.run(h); };
    const std::string name = line.input ? label + " (opened by input: " + line.input + ")" : label;
    bool held = h.run(name, Host::Act::DestroyOwner, actInLoops, body);
    if (h.hadOwner())
        held = h.run(name, Host::Act::CloseWindow, actInLoops, body) && held;
    return held;
}

// What a line of the texts table keeps of the answers it got.
class Texts
{
public:
    // A text answer: copied now, read again when the line has ended.
    void text(const char *answer)
    {
        m_texts.push_back({answer, answer ? std::string(answer) : std::string()});
    }
    void list(const char *const *answer)
    {
        for (; answer && *answer; ++answer)
            text(*answer);
    }
    // Anything else a line checks of its answers.
    void expect(bool holds, const char *what)
    {
        if (!holds)
            m_failures.push_back(what);
    }
    // Run once the answers were read (objects the line made, destroyed).
    void later(std::function<void()> function) { m_later.push_back(std::move(function)); }

    bool finish(const char *name)
    {
        for (const auto &[answer, copy] : m_texts) {
            if (!answer)
                m_failures.push_back("answered null");
            else if (copy != answer)
                m_failures.push_back("first answer changed from \"" + copy + "\" to \"" + answer +
                                     "\"");
        }
        for (const auto &later : m_later)
            later();
        Host::pump();
        for (const std::string &failure : m_failures)
            std::printf("reenter: %s: %s\n", name, failure.c_str());
        return m_failures.empty();
    }

private:
    std::vector<std::pair<const char *, std::string>> m_texts;
    std::vector<std::string> m_failures;
    std::vector<std::function<void()>> m_later;
};

struct TextLine
{
    const char *name;
    void (*run)(Texts &);
};

} // namespace hostile::reenter
