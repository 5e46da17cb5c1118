// A small box painted with a PaintStyle (shadow, fill, border) by the
// renderer, beside the controls of the fill, border and shadow dialogs.
#pragma once

#include <QWidget>

#include "document/diagram.h"

namespace ordinax::shell {

class PaintSample : public QWidget {
    Q_OBJECT

public:
    explicit PaintSample(QWidget* parent = nullptr);

    void setStyle(const document::PaintStyle& style, bool simpleShadow);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    document::PaintStyle style_;
    bool simpleShadow_ = false;
};

}  // namespace ordinax::shell
