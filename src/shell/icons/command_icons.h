// The icons of the tool bar: the desktop's icon theme by freedesktop names,
// with our own SVG drawings where the theme has none (crisp at any scale).
#pragma once

#include <QIcon>
#include <string_view>

#include "shell/command_table.h"

namespace ordinax::shell {

// The freedesktop name of a command's icon; empty for commands without one.
std::string_view commandIconName(CommandId id);

// Keeps the desktop's icon theme when it has the standard icons; otherwise
// (a bare X server, a minimal desktop) takes an installed freedesktop theme.
void chooseIconTheme();

// The icon of a command: the theme's, else our drawing; null without one.
QIcon commandIcon(CommandId id);

}  // namespace ordinax::shell
