// Texts between the model's Windows-1252 bytes and the screen.
#include "shell/common/model_text.h"

#include "base/encoding.h"

namespace ordinax::shell {

std::string modelText(const QString& text) { return base::utf8ToWindows1252Lossy(text.toStdString()); }

QString screenText(std::string_view windows1252) {
    return QString::fromStdString(base::windows1252ToUtf8(windows1252));
}

}  // namespace ordinax::shell
