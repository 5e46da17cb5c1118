// How the dialogs open the manual: the application installs the opener once;
// a dialog asks for its topic with F1. Without an opener nothing happens.
#pragma once

#include <QString>
#include <functional>

namespace ordinax::shell {

using HelpOpener = std::function<void(const QString& topic)>;

void setHelpOpener(HelpOpener opener);
void openHelpTopic(const QString& topic);

}  // namespace ordinax::shell
