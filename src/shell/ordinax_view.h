// The view of the diagram: draws it through the renderer onto an off-screen
// image (no flicker) in the three display modes, keeps a scroll offset per
// mode, shows the mouse position in data coordinates, and turns mouse
// actions into operations: selection by hit-testing, tag dragging, context
// menus, double-click editing, cursor shapes and the colour pipette.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "qt/picture_loader.h"
#include "render/diagram_renderer.h"
#include "render/hit_test.h"
#include "shell/command_table.h"
#include "shell/ordinax_doc.h"
#include "shell/pipette.h"
#include "shell/view_geometry.h"

class QAction;
class QMenu;

namespace ordinax::shell {

class COrdinaxView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit COrdinaxView(COrdinaxDoc& document, QWidget* parent = nullptr);

    // Recomputes the scroll range and redraws everything (Escape stops a long pass).
    void refresh();

    // Back to the top in every display mode (new and open).
    void resetScroll();

    // A diagram takes the view's place (new, open, recovery): nothing selected,
    // back to the top, every curve shown. Draws nothing: the caller refreshes once.
    void startDocument();

    // -1 draws every active curve, else only that curve.
    int shownCurve() const { return shownCurve_; }
    void setShownCurve(int curve);

    // The scroll offset kept for a display mode (0..4).
    int scrollY(int mode) const;

    void setSimpleShadow(bool simple) { simpleShadow_ = simple; }

    // Draws `diagram` (a dialog's working copy) in place of the document's
    // until called with null; redraws at once.
    void setPreview(const document::Diagram* diagram);
    // The diagram the view draws: the preview when there is one.
    const document::Diagram& shownDiagram() const { return preview_ ? *preview_ : document_.diagram(); }
    void setLanguage(int language) { language_ = language; }

    // The geometry of the current mode in the current viewport.
    ViewGeometry geometry() const;

    // The result of the last complete drawing pass (layout for read-out and hit-testing).
    const render::RenderResult& lastPass() const { return lastPass_; }

    // Draws the diagram as the view shows it into an image of the viewport's size.
    QImage renderViewport();

    // The picture the view shows now, as the last complete pass left it.
    const QImage& picture() const { return buffer_; }

    // Draws the off-screen picture now; false when the pass was stopped, in
    // which case the previous picture and layout stay.
    bool redraw();

    // Replaces the Escape poll of the drawing pass (tests).
    void setAbortCheck(std::function<bool()> check) { abortCheck_ = std::move(check); }

    // True while a drawing pass runs (commands wait for its end).
    bool isDrawing() const { return drawing_; }

    // The read-out of a viewport position, empty when it is outside the plot.
    QString readoutAt(QPoint position) const;

    // The frame's action of a command, for context menus and double clicks.
    void setActionLookup(std::function<QAction*(CommandId)> lookup) { actionLookup_ = std::move(lookup); }

    // The element under a viewport position in the last pass.
    render::HitResult hitAt(QPoint position) const;

    // Selects the element under a position as a button press does (a legend
    // line also selects its curve) and returns it.
    render::HitResult selectAt(QPoint position);

    // The label slot last hit (-1 none) and the selected tag (0..9, -1 none).
    int selectedLabel() const { return selectedLabel_; }
    // The element of the last selection by the mouse or the keyboard (the
    // scale a "Définition manuelle..." from a context menu is about).
    const render::HitResult& lastHit() const { return lastHit_; }
    int selectedTag() const;
    void clearSelection();
    // The selected curve (-1 all), and its choice as a legend line makes it
    // (screen readers select curves so).
    int selectedCurve() const { return document_.selectedCurve(); }
    void selectCurve(int curve);

    // The context menu of an element: the frame's actions of its commands.
    std::unique_ptr<QMenu> contextMenu(const render::HitResult& hit);

    // True while a tag follows the mouse.
    bool draggingTag() const { return drag_.has_value(); }

    // Enters the colour-picking mode; `current` is restored when it is left with the right button.
    void startPipette(PipetteColour current);
    const Pipette& pipette() const { return pipette_; }

signals:
    // The text of the status bar's first pane.
    void readoutChanged(const QString& text);
    // A passing message for the status bar (pipette, interrupted drawing).
    void statusMessage(const QString& text, int timeoutMs);
    // The selected label, tag or curve changed.
    void selectionChanged();
    // The view changed the diagram (a tag was moved).
    void diagramChanged();
    // The pipette took a colour (0x00BBGGRR).
    void pointColourTaken(quint32 colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct TagDrag {
        int tag = -1;
        render::DevRect startRect;
        render::DevRect rect;
        QPoint startPoint;
    };

    std::optional<std::array<double, 2>> dataAt(QPoint position) const;
    // Moves the cursor for the cursor-placement keys; false for other keys.
    bool placeCursor(QKeyEvent* event);
    void updateScrollBar();
    int mode() const;
    bool drawPass(bool mayPoll);
    void scheduleRedraw();
    // view_interaction.cpp
    void updateCursor(QPoint position);
    // Opens the smoothing dialog of the fitted curve whose line passes at `position`; false when none does.
    bool openFittedCurve(QPoint position);
    void finishDrag();
    void pipettePress(QMouseEvent* event);
    void pipetteMove(QPoint position);
    PipetteColour colourAt(QPoint position) const;

    COrdinaxDoc& document_;
    const document::Diagram* preview_ = nullptr;
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
    bool dirty_ = true;           // the picture no longer shows the diagram
    bool drawing_ = false;        // a pass runs (guards against re-entrant redraws)
    bool pendingRedraw_ = false;  // a redraw was asked for during a pass
    bool redrawQueued_ = false;   // a redraw is scheduled on the event loop
    std::function<bool()> abortCheck_;
    std::function<QAction*(CommandId)> actionLookup_;
    int selectedLabel_ = -1;
    render::HitResult lastHit_;
    std::optional<TagDrag> drag_;
    Pipette pipette_;
};

}  // namespace ordinax::shell
