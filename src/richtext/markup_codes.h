// The codes of the label markup: size, colour and font codes and their readers.
#pragma once

namespace ordinax::richtext {

}  // namespace ordinax::richtext
