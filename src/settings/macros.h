// The presentation macros in one include: catalogue, attributes, commands.
#pragma once

#include "settings/macro_attributes.h"
#include "settings/macro_catalogue.h"
#include "settings/macro_commands.h"
