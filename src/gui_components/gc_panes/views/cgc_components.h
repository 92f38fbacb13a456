#pragma once
// The broker faces of a pane and of a view: what the host and the views manager hold of the
// widgets. A wrapper never owns its widget (the pane's tab widget or dock window does); it
// forgets a widget that is destroyed. A pane owns one reference of each view it holds.

#include "frame/core/brokerguard.h"
#include "frame/core/brokerref.h"
#include "frame/core/exportguard.h"
#include "gui_components/gc_panes/views/panehost.h"

#include <tesk/tesk_views.h>

#include <mosk/mosk.hpp>

#include <QPointer>

#include <cstdint>
#include <map>
#include <new>
#include <string>
#include <vector>

namespace tesk::panes {

inline MoskResult badArgument()
{
    return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
}

inline MoskResult writeName(MoskValue *out, const std::string &name)
{
    if (!out)
        return badArgument();
    return out->ops->setText(out, name.c_str());
}

// What a wrapper kept from an ended start answers, as the facade answers for its ended window.
inline MoskResult windowEnded()
{
    return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
}

// A wrapper's window ended with its start, or was closed: a host may keep the wrapper past both.
// Only a wrapper made over a widget has one to lose.
template<typename Widget>
bool windowGone(bool hadWidget, const QPointer<Widget> &widget)
{
    return (hadWidget && !widget) || !tesk::started();
}

// Each kind of wrapper counts its ids from 1, process-wide.
template<typename Kind>
uint64_t nextWindowId()
{
    static uint64_t counter = 1;
    return counter++;
}

// The id and name operations every window wrapper answers alike.
template<typename Wrapper>
struct IdentityOps
{
    static MoskResult getId(void *face, uint64_t *id)
    {
        if (!id)
            return badArgument();
        *id = Wrapper::Face::outerOf(face)->id();
        return nullptr;
    }
    static MoskResult getName(void *face, MoskValue *out)
    {
        return writeName(out, Wrapper::Face::outerOf(face)->name());
    }
    static MoskResult setName(void *face, const char *name)
    {
        return tesk::broker::guardedCall(__func__, [&]() -> MoskResult {
            Wrapper::Face::outerOf(face)->setName(name ? name : "");
            return nullptr;
        });
    }
};

} // namespace tesk::panes

template<typename Widget>
class CGc_View : public mosk::Object<mosk::EmptyMutex>
{
public:
    using Face = mosk::Implements<CGc_View, IGc_View, GC_IID_VIEW, 0, 0>;

    explicit CGc_View(Widget *widget = nullptr)
        : m_face(this, &s_ops)
        , m_id(tesk::panes::nextWindowId<CGc_View>())
        , m_widget(widget)
        , m_hadWidget(widget != nullptr)
    {
        enterInterface(GC_IID_VIEW_WINDOW, 0, face());
        enterInterface(MOSK_IID_BASE, 1, face());
    }

    IGc_View *face() { return &m_face; }
    uint64_t id() const { return m_id; }
    const std::string &name() const { return m_name; }
    void setName(const std::string &name) { m_name = name; }
    void setWidget(Widget *widget)
    {
        m_widget = widget;
        m_hadWidget = m_hadWidget || widget;
    }
    Widget *getWidget() const { return m_widget; }

    // The wrapper behind a view interface when it is one of ours.
    static CGc_View *fromFace(const void *view)
    {
        auto *face = static_cast<const IGc_View *>(view);
        return face && face->ops == &s_ops ? Face::outerOf(const_cast<IGc_View *>(face)) : nullptr;
    }

private:
    static CGc_View *self(void *face) { return Face::outerOf(face); }
    bool ended() const { return tesk::panes::windowGone(m_hadWidget, m_widget); }

    static MoskResult saveSettings(void *face, MoskValue *out)
    {
        if (!out)
            return tesk::panes::badArgument();
        if (self(face)->ended())
            return tesk::panes::windowEnded();
        return tesk::broker::guardedCall(__func__, [&]() -> MoskResult {
            std::string settings;
            if (Widget *widget = self(face)->m_widget)
                widget->saveSettings(settings);
            return out->ops->setText(out, settings.c_str());
        });
    }
    // A view that fails to follow its target must not stop the others: its failure is
    // reported and swallowed.
    static MoskResult setTarget(void *face, int32_t target)
    {
        if (self(face)->ended())
            return tesk::panes::windowEnded();
        mosk::release(tesk::broker::guardedCall(__func__, [&]() -> MoskResult {
            if (Widget *widget = self(face)->m_widget)
                widget->setTarget(target);
            return nullptr;
        }));
        return nullptr;
    }
    static MoskResult targetUpdated(void *face, int32_t target, int32_t flag)
    {
        if (self(face)->ended())
            return tesk::panes::windowEnded();
        mosk::release(tesk::broker::guardedCall(__func__, [&]() -> MoskResult {
            if (Widget *widget = self(face)->m_widget)
                widget->targetUpdated(target, flag);
            return nullptr;
        }));
        return nullptr;
    }

    using Identity = tesk::panes::IdentityOps<CGc_View>;
    template<auto Operation>
    static constexpr auto onThread = &tesk::broker::OnLibraryThread<Operation>::call;
    static constexpr IGc_ViewOps s_ops = {
        MOSK_FACE_BASE(Face),         onThread<&Identity::getId>, onThread<&Identity::getName>,
        onThread<&Identity::setName>, onThread<&saveSettings>,    onThread<&setTarget>,
        onThread<&targetUpdated>,
    };

    Face m_face;
    const uint64_t m_id;
    std::string m_name;
    QPointer<Widget> m_widget;
    bool m_hadWidget;
};

template<typename Widget>
class CGc_Pane : public mosk::Object<mosk::EmptyMutex>
{
public:
    using Face = mosk::Implements<CGc_Pane, IGc_Pane, GC_IID_PANE, 0, 0>;

    explicit CGc_Pane(Widget *widget = nullptr)
        : m_face(this, &s_ops)
        , m_id(tesk::panes::nextWindowId<CGc_Pane>())
        , m_widget(widget)
        , m_hadWidget(widget != nullptr)
    {
        enterInterface(GC_IID_PANE_WINDOW, 0, face());
        enterInterface(MOSK_IID_BASE, 1, face());
    }

    ~CGc_Pane() override
    {
        for (auto &entry : m_views)
            mosk::release(entry.second);
    }

    IGc_Pane *face() { return &m_face; }
    uint64_t id() const { return m_id; }
    const std::string &name() const { return m_name; }
    void setName(const std::string &name) { m_name = name; }
    uint64_t targetId() const { return m_targetId; }
    void setTargetId(uint64_t target) { m_targetId = target; }
    void setWidget(Widget *widget)
    {
        m_widget = widget;
        m_hadWidget = m_hadWidget || widget;
    }
    Widget *getWidget() const { return m_widget; }

    // The view interface with that id, no reference taken; null when there is none.
    IGc_View *view(uint64_t id) const
    {
        const auto it = m_views.find(id);
        return it == m_views.end() ? nullptr : it->second;
    }
    // Enters the view under its own id and takes over the caller's reference; a view already
    // held under that id keeps its place and the new reference is let go.
    MoskResult addView(IGc_View *view)
    {
        if (!view)
            return tesk::panes::badArgument();
        uint64_t id = 0;
        if (MoskResult result = view->ops->getId(view, &id)) {
            mosk::release(view);
            return result;
        }
        if (!m_views.emplace(id, view).second)
            mosk::release(view);
        return nullptr;
    }
    void removeView(uint64_t id)
    {
        const auto it = m_views.find(id);
        if (it == m_views.end())
            return;
        IGc_View *view = it->second;
        m_views.erase(it);
        mosk::release(view);
    }
    // GC_NO_ID from the start; GC_NO_ID after the last.
    uint64_t nextView(uint64_t id) const
    {
        const auto it = id == GC_NO_ID ? m_views.begin() : m_views.upper_bound(id);
        return it == m_views.end() ? GC_NO_ID : it->first;
    }
    // Every view in id order, each taking part even when an earlier one fails.
    void setTarget(int32_t target) const
    {
        for (const auto &entry : snapshot())
            mosk::release(entry->ops->setTarget(entry, target));
    }
    void targetUpdated(int32_t target, int32_t flag) const
    {
        for (const auto &entry : snapshot())
            mosk::release(entry->ops->targetUpdated(entry, target, flag));
    }

private:
    static CGc_Pane *self(void *face) { return Face::outerOf(face); }
    bool ended() const { return tesk::panes::windowGone(m_hadWidget, m_widget); }

    // A view's call may remove views of this pane: the calls go to the views held when they
    // began, each kept alive for its call.
    struct Held
    {
        explicit Held(IGc_View *view)
            : view(view)
        {
            mosk::addRef(view);
        }
        Held(const Held &other)
            : Held(other.view)
        {
        }
        Held &operator=(const Held &) = delete;
        ~Held() { mosk::release(view); }
        IGc_View *operator->() const { return view; }
        operator IGc_View *() const { return view; }
        IGc_View *view;
    };
    std::vector<Held> snapshot() const
    {
        std::vector<Held> held;
        held.reserve(m_views.size());
        for (const auto &entry : m_views)
            held.emplace_back(entry.second);
        return held;
    }

    static MoskResult reserved7(void *, intptr_t) { return nullptr; }
    static MoskResult reserved8(void *, intptr_t, intptr_t) { return nullptr; }
    static MoskResult findWindow(void *face, uint64_t id, IGc_Window **out)
    {
        if (!out)
            return tesk::panes::badArgument();
        if (self(face)->ended())
            return tesk::panes::windowEnded();
        if (IGc_View *view = self(face)->view(id)) {
            mosk::addRef(view);
            *out = reinterpret_cast<IGc_Window *>(view);
        }
        return nullptr;
    }
    static MoskResult addViewOp(void *face, IGc_View *view)
    {
        // The caller's reference is taken over whatever the answer, from another thread too.
        if (tesk::broker::refusedOffLibraryThread("CGc_Pane::addViewOp")) {
            mosk::release(view);
            return moskErrorCreateStandardError(1, MOSK_ERR_FAILED);
        }
        if (self(face)->ended()) {
            mosk::release(view);
            return tesk::panes::windowEnded();
        }
        return tesk::broker::guardedCall(__func__, [&] { return self(face)->addView(view); });
    }
    static MoskResult firstView(void *face, uint64_t *id) { return nextViewOp(face, GC_NO_ID, id); }
    static MoskResult nextViewOp(void *face, uint64_t id, uint64_t *next)
    {
        if (!next)
            return tesk::panes::badArgument();
        *next = GC_NO_ID;
        if (self(face)->ended())
            return tesk::panes::windowEnded();
        *next = self(face)->nextView(id);
        return nullptr;
    }
    static MoskResult removeViewOp(void *face, uint64_t id)
    {
        if (self(face)->ended())
            return tesk::panes::windowEnded();
        return tesk::broker::guardedCall(__func__, [&]() -> MoskResult {
            CGc_Pane *pane = self(face);
            const bool held = pane->view(id) != nullptr;
            pane->removeView(id);
            // A dock left without a view would be stored as one and come back showing nothing:
            // the last view taken closes it, as deleting its last tab does.
            if (held && pane->m_views.empty() && pane->m_widget) {
                pane->AddRef();
                tesk::views::existingPaneHost().removePane(pane->m_id);
                pane->Release();
            }
            return nullptr;
        });
    }
    static MoskResult setTargetOp(void *face, int32_t target)
    {
        if (self(face)->ended())
            return tesk::panes::windowEnded();
        return tesk::broker::guardedCall(__func__, [&]() -> MoskResult {
            self(face)->setTarget(target);
            return nullptr;
        });
    }
    static MoskResult targetUpdatedOp(void *face, int32_t target, int32_t flag)
    {
        if (self(face)->ended())
            return tesk::panes::windowEnded();
        return tesk::broker::guardedCall(__func__, [&]() -> MoskResult {
            self(face)->targetUpdated(target, flag);
            return nullptr;
        });
    }
    static MoskResult getTargetId(void *face, uint64_t *target)
    {
        if (!target)
            return tesk::panes::badArgument();
        if (self(face)->ended())
            return tesk::panes::windowEnded();
        *target = self(face)->m_targetId;
        return nullptr;
    }
    static MoskResult setTargetIdOp(void *face, const uint64_t *target)
    {
        if (!target)
            return tesk::panes::badArgument();
        if (self(face)->ended())
            return tesk::panes::windowEnded();
        self(face)->m_targetId = *target;
        return nullptr;
    }

    using Identity = tesk::panes::IdentityOps<CGc_Pane>;
    template<auto Operation>
    static constexpr auto onThread = &tesk::broker::OnLibraryThread<Operation>::call;
    static constexpr IGc_PaneOps s_ops = {
        MOSK_FACE_BASE(Face),         onThread<&Identity::getId>,
        onThread<&Identity::getName>, onThread<&Identity::setName>,
        onThread<&reserved7>,         onThread<&reserved8>,
        onThread<&findWindow>,        &addViewOp,
        onThread<&firstView>,         onThread<&nextViewOp>,
        onThread<&removeViewOp>,      onThread<&setTargetOp>,
        onThread<&targetUpdatedOp>,   onThread<&getTargetId>,
        onThread<&setTargetIdOp>,
    };

    Face m_face;
    const uint64_t m_id;
    uint64_t m_targetId = 0;
    std::string m_name;
    QPointer<Widget> m_widget;
    bool m_hadWidget;
    std::map<uint64_t, IGc_View *> m_views;
};
