#include "sizingboxes.h"

#include <tesk/tesk_dialogs.h>

namespace testhost {

const std::vector<SizingBox> &boxesSizedAsTheyShow()
{
    static const std::vector<SizingBox> boxes = {
        {"three-button prompt",
         [] {
             CuiMessagePrompt(0, "Download", "The target did not answer.\nTry again?", 2,
                              CUI_MB_YES, CUI_MB_NO, CUI_MB_CANCEL | CUI_MB_ESCAPE);
         }},
        {"error box", [] { CuiSimpleError(0, "Download", "The target did not answer."); }},
        {"entry dialog",
         [] {
             char buffer[32] = {};
             CuiSimpleEntry(0, "Start Address", "The address the image starts at:", "0x2000",
                            buffer, sizeof buffer, nullptr, 0);
         }},
    };
    return boxes;
}

} // namespace testhost
