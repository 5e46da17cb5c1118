// The context menu of each element of the view and the command a double
// click runs on it, as data: every item names the menu command it runs and
// the label it shows there. Nothing here needs Qt.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "render/hit_test.h"
#include "shell/command_table.h"

namespace ordinax::shell {

struct ContextItem {
    CommandId command;
    std::string_view label;        // as shown in the context menu (may differ from the menu bar's)
    bool separatorBefore = false;  // a separator line precedes it
};

// The items of the context menu of an element kind, in menu order.
std::span<const ContextItem> contextMenuItems(render::HitKind kind);

// The editing command a double click on the element runs (its text, scale
// definition or fill dialog).
CommandId editCommand(render::HitKind kind);

}  // namespace ordinax::shell
