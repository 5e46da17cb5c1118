// The view of the diagram: draws it through the renderer onto an off-screen
// image (no flicker) in the three display modes, keeps a scroll offset per
// mode, and shows the mouse position in data coordinates.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <array>
#include <optional>

#include "qt/picture_loader.h"
#include "render/diagram_renderer.h"
#include "shell/ordinax_doc.h"
#include "shell/view_geometry.h"

namespace ordinax::shell {

class COrdinaxView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit COrdinaxView(COrdinaxDoc& document, QWidget* parent = nullptr);

    // Recomputes the scroll range and redraws everything.
    void refresh();

    // Back to the top in every display mode (new and open).
    void resetScroll();

    // -1 draws every active curve, else only that curve.
    int shownCurve() const { return shownCurve_; }
    void setShownCurve(int curve);

    // The scroll offset kept for a display mode (0..4).
    int scrollY(int mode) const;

    void setSimpleShadow(bool simple) { simpleShadow_ = simple; }
    void setLanguage(int language) { language_ = language; }

    // The geometry of the current mode in the current viewport.
    ViewGeometry geometry() const;

    // The result of the last drawing pass (layout for the read-out).
    const render::RenderResult& lastPass() const { return lastPass_; }

    // Draws the diagram as the view shows it into an image of the viewport's size.
    QImage renderViewport();

    // The read-out of a viewport position, empty when it is outside the plot.
    QString readoutAt(QPoint position) const;

signals:
    // The text of the status bar's first pane.
    void readoutChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::optional<std::array<double, 2>> dataAt(QPoint position) const;
    // Moves the cursor for the cursor-placement keys; false for other keys.
    bool placeCursor(QKeyEvent* event);
    void updateScrollBar();
    int mode() const;

    COrdinaxDoc& document_;
    QImage buffer_;
    render::RenderResult lastPass_;
    qt::QtPictureSource pictures_;  // decoded fill pictures and logo, kept between repaints
    std::array<int, 5> scrollY_{};
    int shownCurve_ = -1;
    bool simpleShadow_ = false;
    int language_ = 0;
    bool relative_ = false;
    std::array<double, 2> reference_{0.0, 0.0};
    QPoint mouse_{-1, -1};
};

}  // namespace ordinax::shell
