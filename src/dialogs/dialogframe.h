#pragma once

#include <Qt>

// The frame every dialog of this area asks for: a title bar with a system menu and a close
// button, and nothing to minimise, maximise or ask for context help.
namespace tesk::dialogs {

constexpr Qt::WindowFlags kDialogFrameFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                              Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                              Qt::WindowCloseButtonHint;

} // namespace tesk::dialogs
