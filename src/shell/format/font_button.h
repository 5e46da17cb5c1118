// A button that shows a logical font ("Arial, 12 pt") and opens the font
// dialog; the chosen font comes back as a record with its Windows face name.
#pragma once

#include <QPushButton>
#include <functional>
#include <optional>

#include "base/logfont.h"

namespace ordinax::shell {

class FontButton : public QPushButton {
    Q_OBJECT

public:
    using Chooser = std::function<std::optional<base::LogFont>(const base::LogFont& initial)>;

    explicit FontButton(QWidget* parent = nullptr);

    const base::LogFont& font() const { return font_; }
    void setLogFont(const base::LogFont& font);

    // What a click opens (the font dialog by default; tests give a fixed answer).
    void setChooser(Chooser chooser) { chooser_ = std::move(chooser); }

signals:
    void fontChanged(const ordinax::base::LogFont& font);

private:
    void choose();

    base::LogFont font_;
    Chooser chooser_;
};

// Opens the font dialog on `initial`; nullopt when cancelled.
std::optional<base::LogFont> chooseFont(QWidget* parent, const base::LogFont& initial);

}  // namespace ordinax::shell
