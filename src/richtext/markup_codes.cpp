// The codes of the label markup.
#include "richtext/markup_codes.h"
