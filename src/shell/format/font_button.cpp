// The font button of the dialogs.
#include "shell/format/font_button.h"

#include <QFontDialog>

#include "base/encoding.h"
#include "qt/font_mapping.h"
#include "render/font_choice.h"

namespace ordinax::shell {

std::optional<base::LogFont> chooseFont(QWidget* parent, const base::LogFont& initial) {
    QFont shown = qt::mapFont(initial).font;
    shown.setPointSizeF(render::fontPoints(initial));
    bool accepted = false;
    const QFont picked = QFontDialog::getFont(&accepted, shown, parent, QStringLiteral("Police"));
    if (!accepted) return std::nullopt;
    render::ChosenFont chosen;
    chosen.family = picked.family().toStdString();
    chosen.points = picked.pointSizeF() > 0 ? picked.pointSizeF() : 12.0;
    chosen.bold = picked.weight() >= QFont::DemiBold;
    chosen.italic = picked.italic();
    chosen.underline = picked.underline();
    chosen.strikeOut = picked.strikeOut();
    return render::chosenFont(initial, chosen);
}

FontButton::FontButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &FontButton::choose);
    chooser_ = [this](const base::LogFont& initial) { return chooseFont(window(), initial); };
    setLogFont(font_);
}

void FontButton::setLogFont(const base::LogFont& font) {
    const bool changed = !(font == font_);
    font_ = font;
    const QString text = QString::fromStdString(base::windows1252ToUtf8(render::fontDescription(font_)));
    setText(text);
    setAccessibleDescription(text);
    if (changed) emit fontChanged(font_);
}

void FontButton::choose() {
    if (!chooser_) return;
    if (const auto chosen = chooser_(font_)) setLogFont(*chosen);
}

}  // namespace ordinax::shell
