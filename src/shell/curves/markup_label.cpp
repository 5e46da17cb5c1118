// Label markup drawn in dialogs.
#include "shell/curves/markup_label.h"

#include <QPainter>
#include <cstring>

#include "base/encoding.h"
#include "qt/font_mapping.h"
#include "qt/painter_device.h"
#include "render/markup_layout.h"
#include "richtext/markup_codes.h"

namespace ordinax::shell {

namespace {

// The dialog's own font as a logical font: the face the markup starts from.
base::LogFont baseFont(const QWidget& widget) {
    base::LogFont font;
    const QFontInfo info(widget.font());
    font.height = -info.pixelSize();
    font.weight = 400;
    const std::string face = base::utf8ToWindows1252Lossy(info.family().toStdString());
    std::strncpy(font.faceName, face.c_str(), sizeof font.faceName - 1);
    return font;
}

render::Colour textColour(const QWidget& widget) {
    const QColor c = widget.palette().color(QPalette::WindowText);
    return static_cast<render::Colour>(c.red() | (c.green() << 8) | (c.blue() << 16));
}

constexpr int Padding = 2;

}  // namespace

QString markupPlainText(const std::string& markup) {
    const std::string bytes = base::utf8ToWindows1252Lossy(markup);
    richtext::MarkupReader reader(bytes, 0);
    QString plain;
    bool greek = false;
    for (richtext::MarkupToken token = reader.next(); token.kind != richtext::MarkupTokenKind::End;
         token = reader.next()) {
        switch (token.kind) {
            case richtext::MarkupTokenKind::Text:
                plain += qt::decodeText(token.raw, greek ? qt::FontEncoding::Symbol : qt::FontEncoding::Windows1252);
                break;
            case richtext::MarkupTokenKind::Code:
                if (token.letter == 'g') greek = !greek;
                break;
            case richtext::MarkupTokenKind::Tab:
                plain += QLatin1Char(' ');
                break;
            case richtext::MarkupTokenKind::LineFeed:
                plain += QLatin1Char('\n');
                break;
            case richtext::MarkupTokenKind::End:
                break;
        }
    }
    return plain;
}

MarkupLabel::MarkupLabel(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void MarkupLabel::setMarkup(const std::string& markup) {
    markup_ = base::utf8ToWindows1252Lossy(markup);
    setAccessibleName(markupPlainText(markup));
    updateGeometry();
    update();
}

QSize MarkupLabel::sizeHint() const {
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    qt::PainterDevice device(painter, false, logicalDpiX(), logicalDpiY());
    const render::MarkupSize size = render::layoutMarkup(device, markup_, baseFont(*this), textColour(*this), {},
                                                         render::AlignLeft, 0, render::MarkupMode::Measure);
    return {size.width + 2 * Padding, std::max(size.height, fontMetrics().height()) + 2 * Padding};
}

QSize MarkupLabel::minimumSizeHint() const { return {fontMetrics().height(), sizeHint().height()}; }

void MarkupLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    qt::PainterDevice device(painter, false, logicalDpiX(), logicalDpiY());
    const render::DevRect box{Padding, Padding, width() - Padding, height() - Padding};
    render::layoutMarkup(device, markup_, baseFont(*this), textColour(*this), box, render::AlignLeft, 0,
                         render::MarkupMode::Draw);
}

}  // namespace ordinax::shell
