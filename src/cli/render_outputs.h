// The pictures `render` writes for its diagrams: one file, a folder, or a
// pattern where %n stands for each diagram's name.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ordinax::cli {

// Fills `outputs` with the picture of each input, in order. `output` is a file
// (one diagram only), a folder (ending with "/" or existing; the pictures take
// the diagrams' names and the extension of `format`, png when empty) or a
// pattern holding %n (the diagram's file name without its extension; %% is a
// "%"). Returns the reason (French, UTF-8) when the request cannot be met:
// several diagrams for one file, an unknown %-sequence, two diagrams that
// would write the same picture, a format given for a file or a pattern.
std::optional<std::string> renderOutputs(const std::vector<std::string>& inputs, const std::string& output,
                                         const std::string& format, std::vector<std::string>& outputs);

}  // namespace ordinax::cli
