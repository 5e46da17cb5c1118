// The preview of a header or footer: its text with the page codes expanded,
// in its font and colour, split into the left, centred and right parts.
#pragma once

#include <QWidget>

#include "document/diagram.h"
#include "render/page_codes.h"

namespace ordinax::shell {

class BandPreview : public QWidget {
    Q_OBJECT

public:
    explicit BandPreview(QWidget* parent = nullptr);

    void setBand(const document::HeaderFooter& band, const render::PageCodeContext& context);
    // The parts shown (tests and screen readers).
    const render::BandParts& parts() const { return parts_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    document::HeaderFooter band_;
    render::BandParts parts_;
};

}  // namespace ordinax::shell
