#include "frame/core/inplaceedit.h"

#include "system/modalseam.h"

#include <glyphon/glyphon.h>

namespace {

bool &inPlaceEditFlag()
{
    static bool active = false;
    return active;
}

// Lowers the flag however the editor ends.
class InPlaceEditScope
{
public:
    InPlaceEditScope() { setInPlaceEditActive(true); }
    ~InPlaceEditScope() { setInPlaceEditActive(false); }
    InPlaceEditScope(const InPlaceEditScope &) = delete;
    InPlaceEditScope &operator=(const InPlaceEditScope &) = delete;
};

} // namespace

void setInPlaceEditActive(bool active)
{
    inPlaceEditFlag() = active;
}

bool isInPlaceEditActive()
{
    return inPlaceEditFlag();
}

namespace tesk {

int runInPlaceEditor(KMediator_Format &engine, KMediator_Display &display, KFormattedData &data)
{
    static const bool seamInstalled = [] {
        // The editor runs for the view it edits in: a view ended inside the loop ends it.
        KMediator_Display::set_modalRunner([](QDialog *dialog) {
            const system::ModalSeam::Result result =
                system::ModalSeam::run(dialog, dialog->parentWidget());
            return result.alive ? result.code : int(QDialog::Rejected);
        });
        return true;
    }();
    Q_UNUSED(seamInstalled);
    InPlaceEditScope scope;
    return engine.process_formattingEditing(&display, &data);
}

} // namespace tesk
