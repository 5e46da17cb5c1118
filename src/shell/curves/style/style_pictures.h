// Pictures of symbols and lines drawn exactly as the diagram draws them: the
// icons of the symbol lists and the sample that the symbol and line dialogs
// show while they are changed.
#pragma once

#include <QIcon>
#include <QWidget>

#include "document/diagram.h"

namespace ordinax::shell {

// An icon of `symbol` (at its size, or `sizeOverride` points when positive),
// `side` logical pixels square, sharp on high-density screens.
QIcon symbolIcon(const document::SymbolStyle& symbol, int side, int sizeOverride = 0);

// A line of the curve's style with its symbol in the middle, as a legend shows it.
class CurveSample : public QWidget {
    Q_OBJECT

public:
    explicit CurveSample(QWidget* parent = nullptr);

    // What is drawn: the symbol and line 0, or only line `lineIndex` (0 or 1) when `lineOnly`.
    void setCurve(const document::Curve& curve, bool lineOnly = false, int lineIndex = 0);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    document::Curve curve_;
    bool lineOnly_ = false;
    int lineIndex_ = 0;
};

}  // namespace ordinax::shell
