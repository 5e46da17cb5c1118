// Colours in the dialogs.
#include "shell/common/colour_choice.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

#include "settings/preferences.h"

namespace ordinax::shell {

QColor qtColour(std::int32_t bgr) {
    const auto value = static_cast<std::uint32_t>(bgr);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

std::int32_t bgrColour(const QColor& colour) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(colour.red()) |
                                     (static_cast<std::uint32_t>(colour.green()) << 8) |
                                     (static_cast<std::uint32_t>(colour.blue()) << 16));
}

std::optional<std::int32_t> chooseColour(QWidget* parent, std::int32_t initial, settings::Preferences& preferences,
                                         settings::SettingsStore& store) {
    for (int i = 0; i < settings::CustomColourCount && i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, qtColour(preferences.customColours[static_cast<std::size_t>(i)]));
    const QColor chosen = QColorDialog::getColor(qtColour(initial), parent, QStringLiteral("Couleurs"));
    bool customChanged = false;
    for (int i = 0; i < settings::CustomColourCount && i < QColorDialog::customCount(); ++i) {
        const std::int32_t custom = bgrColour(QColorDialog::customColor(i));
        auto& stored = preferences.customColours[static_cast<std::size_t>(i)];
        if (custom != stored) {
            stored = custom;
            customChanged = true;
        }
    }
    if (customChanged) settings::writeCustomColours(preferences, store);
    if (!chosen.isValid()) return std::nullopt;
    return bgrColour(chosen);
}

ColourButton::ColourButton(QWidget* parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this, &ColourButton::choose);
    updateSwatch();
}

void ColourButton::setColour(std::int32_t colour) {
    if (colour == colour_) return;
    colour_ = colour;
    updateSwatch();
    emit colourChanged(colour_);
}

void ColourButton::choose() {
    if (!chooser_) return;
    if (const auto chosen = chooser_(colour_)) setColour(*chosen);
}

void ColourButton::updateSwatch() {
    const int side = fontMetrics().height();
    QPixmap swatch(side * 2, side);
    swatch.fill(qtColour(colour_));
    QPainter painter(&swatch);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(0, 0, swatch.width() - 1, swatch.height() - 1);
    setIcon(QIcon(swatch));
    setIconSize(swatch.size());
    const QColor c = qtColour(colour_);
    // The colour is told in words too, for screen readers and tooltips.
    setAccessibleDescription(QStringLiteral("R=%1 V=%2 B=%3").arg(c.red()).arg(c.green()).arg(c.blue()));
    setToolTip(accessibleDescription());
}

}  // namespace ordinax::shell
