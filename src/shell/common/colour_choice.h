// Colours in the dialogs: the colour picker with the user's 16 custom
// colours (kept in the settings store), and a button that shows a colour and
// opens the picker. Colours are 0x00BBGGRR values.
#pragma once

#include <QPushButton>
#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace ordinax::settings {
struct Preferences;
class SettingsStore;
}  // namespace ordinax::settings

namespace ordinax::shell {

QColor qtColour(std::int32_t bgr);
std::int32_t bgrColour(const QColor& colour);

// Opens the colour picker on `initial` with the custom colours of the
// preferences; the custom colours the user changed are stored back.
// nullopt when cancelled.
std::optional<std::int32_t> chooseColour(QWidget* parent, std::int32_t initial, settings::Preferences& preferences,
                                         settings::SettingsStore& store);

class ColourButton : public QPushButton {
    Q_OBJECT

public:
    using Chooser = std::function<std::optional<std::int32_t>(std::int32_t initial)>;

    explicit ColourButton(QWidget* parent = nullptr);

    std::int32_t colour() const { return colour_; }
    void setColour(std::int32_t colour);

    // What a click opens (the dialogs give chooseColour with their preferences; tests a fixed answer).
    void setChooser(Chooser chooser) { chooser_ = std::move(chooser); }

signals:
    void colourChanged(std::int32_t colour);

private:
    void choose();
    void updateSwatch();

    std::int32_t colour_ = 0;
    Chooser chooser_;
};

}  // namespace ordinax::shell
