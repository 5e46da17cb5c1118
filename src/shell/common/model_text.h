// Texts between the model's Windows-1252 bytes and the screen.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace ordinax::shell {

// The Windows-1252 text of a field; characters that code page lacks become '?'.
std::string modelText(const QString& text);
// A Windows-1252 text of the model as the screen shows it.
QString screenText(std::string_view windows1252);

}  // namespace ordinax::shell
