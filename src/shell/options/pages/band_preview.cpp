// The preview of a header or footer.
#include "shell/options/pages/band_preview.h"

#include <QPainter>

#include "base/encoding.h"
#include "qt/font_mapping.h"
#include "render/page_setup_rules.h"
#include "shell/common/colour_choice.h"

namespace ordinax::shell {

namespace {

QString shown(const std::string& bytes, qt::FontEncoding encoding) {
    return qt::decodeText(bytes, encoding);
}

}  // namespace

BandPreview::BandPreview(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(34);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize BandPreview::sizeHint() const {
    return {360, 40};
}

void BandPreview::setBand(const document::HeaderFooter& band, const render::PageCodeContext& context) {
    band_ = band;
    parts_ = render::bandPreview(band.text, context);
    // What is shown is told too.
    setAccessibleDescription(
        QString::fromStdString(base::windows1252ToUtf8(parts_.left + " | " + parts_.centre + " | " + parts_.right)));
    update();
}

void BandPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const qt::MappedFont font = qt::mapFont(band_.font, this);
    painter.setFont(font.font);
    painter.setPen(qtColour(band_.colour));
    const QRect area = rect().adjusted(6, 2, -6, -8);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, shown(parts_.left, font.encoding));
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignVCenter, shown(parts_.centre, font.encoding));
    painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter, shown(parts_.right, font.encoding));
    if (band_.separator != 0) painter.drawLine(6, height() - 5, width() - 7, height() - 5);
}

}  // namespace ordinax::shell
