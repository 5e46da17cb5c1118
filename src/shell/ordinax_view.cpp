// The view of the diagram.
#include "shell/ordinax_view.h"

#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include "base/encoding.h"
#include "base/strings.h"
#include "base/strings_presentation.h"
#include "base/strings_shell.h"
#include "qt/painter_device.h"
#include "render/page_bands.h"
#include "shell/curves/curve_view_marks.h"
#include "shell/view_accessibility.h"

namespace ordinax::shell {

namespace {

QString qtMessage(int id) {
    return QString::fromStdString(base::makeMessage(id, base::Heading::None).text);
}

}  // namespace

COrdinaxView::COrdinaxView(COrdinaxDoc& document, QWidget* parent) : QAbstractScrollArea(parent), document_(document) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameShape(QFrame::NoFrame);
    viewport()->setMouseTracking(true);
    // The whole viewport is repainted from the off-screen image: no erase flicker.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // Every right button press reaches mousePressEvent: the view shows its own context menus.
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    // Screen readers list the diagram's elements as children of the drawing area.
    installViewAccessibility();
    setAccessibleName(QString::fromUtf8(base::messageText(base::MsgViewName).data()));
}

int COrdinaxView::mode() const {
    return document_.diagram().displayMode;
}

int COrdinaxView::scrollY(int displayMode) const {
    return displayMode >= 0 && displayMode < 5 ? scrollY_[static_cast<std::size_t>(displayMode)] : 0;
}

void COrdinaxView::setShownCurve(int curve) {
    // A dialog's new curve exists only in the working copy the view shows.
    shownCurve_ = curve < 0 || curve >= shownDiagram().curveCount() ? -1 : curve;
    refresh();
}

void COrdinaxView::resetScroll() {
    scrollY_.fill(0);
    updateScrollBar();
    // The read-out of the previous diagram means nothing for the next one.
    relative_ = false;
    reference_ = {0.0, 0.0};
    emit readoutChanged(QString());
}

void COrdinaxView::startDocument() {
    clearSelection();
    resetScroll();
    shownCurve_ = -1;
}

ViewGeometry COrdinaxView::geometry() const {
    const document::Diagram& diagram = shownDiagram();
    return viewGeometry(mode(), viewport()->width(), viewport()->height(), sheetSize(diagram.orientation[0]),
                        scrollY(mode()));
}

void COrdinaxView::updateScrollBar() {
    const int m = mode();
    const ViewGeometry g =
        viewGeometry(m, viewport()->width(), viewport()->height(), sheetSize(shownDiagram().orientation[0]), 0);
    const int maximum = maxScroll(g.contentHeight, viewport()->height());
    if (m >= 0 && m < 5)
        scrollY_[static_cast<std::size_t>(m)] = std::min(scrollY_[static_cast<std::size_t>(m)], maximum);
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(std::max(1, viewport()->height()));
    bar->setSingleStep(20);
    // Not blocked: the range change is what shows or hides the bar at once (a
    // mode change, not only a resize). The stored offset is already right, so
    // the bar following it scrolls nothing (see scrollContentsBy).
    bar->setRange(0, maximum);
    bar->setValue(scrollY(m));
}

void COrdinaxView::refresh() {
    if (shownCurve_ >= shownDiagram().curveCount()) shownCurve_ = -1;
    updateScrollBar();
    dirty_ = true;
    // A hidden view draws when it is first painted.
    if (isVisible()) redraw();
    viewport()->update();
}

void COrdinaxView::setPreview(const document::Diagram* diagram) {
    preview_ = diagram;
    refresh();
}

void COrdinaxView::scheduleRedraw() {
    dirty_ = true;
    viewport()->update();
    if (redrawQueued_) return;
    redrawQueued_ = true;
    // Resizing and scrolling redraw from the event loop, where Escape can stop the pass.
    QTimer::singleShot(0, this, [this] {
        redrawQueued_ = false;
        if (dirty_ && redraw()) viewport()->update();
    });
}

bool COrdinaxView::redraw() {
    if (drawing_) {
        // Asked again from inside the pass (a timer or a resize while Escape is polled).
        pendingRedraw_ = true;
        return false;
    }
    drawing_ = true;
    bool complete = true;
    // A request that arrived during the pass is served by one more pass, a few at most.
    for (int pass = 0; pass < 3; ++pass) {
        pendingRedraw_ = false;
        complete = drawPass(true);
        if (!complete || !pendingRedraw_) break;
    }
    drawing_ = false;
    return complete;
}

namespace {

// Watches the application's input while a pass polls it: Escape is noted,
// every other user input is dropped so that no command can change the
// diagram the pass is reading.
class EscapeWatch : public QObject {
public:
    EscapeWatch() { QCoreApplication::instance()->installEventFilter(this); }
    ~EscapeWatch() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool escaped = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
                if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) escaped = true;
                return true;
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::Wheel:
            case QEvent::ContextMenu:
            case QEvent::Close:
            case QEvent::DragEnter:
            case QEvent::DragMove:
            case QEvent::Drop:
            case QEvent::TouchBegin:
            case QEvent::TouchUpdate:
            case QEvent::TouchEnd:
                return true;
            default:
                return false;
        }
    }
};

// Time between two looks at the pending input during a pass.
constexpr int EscapePollMs = 50;

}  // namespace

bool COrdinaxView::drawPass(bool mayPoll) {
    const QSize size = viewport()->size().expandedTo(QSize(1, 1));
    QImage image(size, QImage::Format_RGB32);
    dirty_ = false;
    if (image.isNull()) {
        buffer_ = QImage();
        lastPass_ = {};
        return true;
    }
    const int m = mode();
    if (m < 1 || m > 3) {
        // Nothing displayed yet: the empty workspace.
        image.fill(QColor(128, 128, 128));
        buffer_ = std::move(image);
        lastPass_ = {};
        return true;
    }
    image.fill(Qt::white);
    const ViewGeometry g = geometry();
    const document::Diagram& diagram = shownDiagram();
    const SheetSize sheet = sheetSize(diagram.orientation[0]);
    QPainter painter(&image);
    const int dpiX = viewport()->logicalDpiX();
    const int dpiY = viewport()->logicalDpiY();
    qt::PainterDevice device(painter, false, dpiX, dpiY);
    render::RenderRequest request;
    // The page modes show the sheet as it prints: the diagram stands where
    // the printed page puts it, inside the margins.
    request.pageRect = m == 2 || m == 3 ? render::diagramOnSheet(g.pageRect, diagram, g.pageRect.width() / sheet.widthCm,
                                                                 g.pageRect.height() / sheet.heightCm)
                                        : g.pageRect;
    request.output.printing = false;
    request.output.displayMode = m;
    request.output.deviceDpiX = request.output.screenDpiX = dpiX;
    request.output.deviceDpiY = request.output.screenDpiY = dpiY;
    request.output.pageRect = g.pageRect;
    request.output.pageWidthCm = sheet.widthCm;
    request.output.pageHeightCm = sheet.heightCm;
    request.sheetSurround = g.sheetSurround;
    request.curveFilter = shownCurve_;
    request.simpleShadow = simpleShadow_;
    request.language = language_;
    request.pictures = &pictures_;
    std::optional<EscapeWatch> watch;
    QElapsedTimer clock;
    clock.start();
    request.abortRequested = [&]() -> bool {
        if (abortCheck_) return abortCheck_();
        if (!mayPoll || clock.elapsed() < EscapePollMs) return watch && watch->escaped;
        if (!watch) watch.emplace();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        clock.restart();
        return watch->escaped;
    };
    render::RenderResult result = render::drawDiagram(device, diagram, request);
    if (result.aborted) {
        // The previous picture and its layout stay, so the mouse still matches what is seen.
        emit statusMessage(qtMessage(base::MsgShellDrawingAborted), 10000);
        return false;
    }
    if (result.error) {
        painter.setPen(Qt::black);
        painter.drawText(image.rect(), Qt::AlignCenter, QString::fromStdString(result.error->formatted()));
    } else if (m == 2 || m == 3) {
        // The page modes show the sheet as it prints, header and footer included.
        render::drawDiagramPageBands(device, diagram, g.pageRect, sheet.widthCm, sheet.heightCm, result.layout.scale,
                                     render::pageCodeContextNow(document_.path(), language_));
    }
    painter.end();
    buffer_ = std::move(image);
    lastPass_ = std::move(result);
    return true;
}

QImage COrdinaxView::renderViewport() {
    dirty_ = true;
    redraw();
    return buffer_;
}

void COrdinaxView::paintEvent(QPaintEvent*) {
    // Drawing belongs to refresh and the scheduled redraw; paint only draws
    // here when nothing else will (first show), without polling for Escape.
    if (dirty_ && !redrawQueued_ && !drawing_) {
        drawing_ = true;
        drawPass(false);
        drawing_ = false;
    }
    QPainter painter(viewport());
    if (buffer_.isNull()) {
        painter.fillRect(viewport()->rect(), Qt::white);
        painter.drawText(
            viewport()->rect(), Qt::AlignCenter,
            QString::fromStdString(base::makeMessage(base::MsgShellBitmapMemory, base::Heading::Error).formatted()));
        return;
    }
    painter.drawImage(0, 0, buffer_);
    // The selected curve is marked over the picture, never in it (prints and pictures stay clean).
    if (!pipette_.active() && lastPass_.complete)
        drawCurveMarks(painter, palette(), lastPass_.layout, shownDiagram(), document_.selectedCurve(), shownCurve_);
    // A picture kept from before a resize leaves the rest of the viewport blank.
    if (buffer_.width() < viewport()->width())
        painter.fillRect(QRect(buffer_.width(), 0, viewport()->width() - buffer_.width(), viewport()->height()),
                         Qt::white);
    if (buffer_.height() < viewport()->height())
        painter.fillRect(QRect(0, buffer_.height(), viewport()->width(), viewport()->height() - buffer_.height()),
                         Qt::white);
    if (drag_) {
        // The dragged tag's box as an outline over the picture, visible on any background.
        const render::DevRect& r = drag_->rect;
        const QRect box(r.left, r.top, r.width() - 1, r.height() - 1);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(box);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawRect(box);
    }
}

void COrdinaxView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBar();
    scheduleRedraw();
}

void COrdinaxView::scrollContentsBy(int, int) {
    const int m = mode();
    if (m < 0 || m >= 5) return;
    const int value = verticalScrollBar()->value();
    if (scrollY_[static_cast<std::size_t>(m)] == value) return;  // the bar followed the stored offset
    scrollY_[static_cast<std::size_t>(m)] = value;
    scheduleRedraw();
}

std::optional<std::array<double, 2>> COrdinaxView::dataAt(QPoint position) const {
    const render::DiagramLayout& layout = lastPass_.layout;
    const render::DevRect& plot = layout.plotRect;
    if (plot.empty() || position.y() < plot.top || position.y() >= plot.bottom) return std::nullopt;
    if (position.x() < plot.left || position.x() >= plot.right) return std::nullopt;
    const auto x = render::fromDevice(layout.mapping, position.x(), 0, layout.mapping.mainSide[0]);
    const auto y = render::fromDevice(layout.mapping, position.y(), 1, layout.mapping.mainSide[1]);
    if (!x || !y) return std::nullopt;
    return std::array<double, 2>{*x, *y};
}

QString COrdinaxView::readoutAt(QPoint position) const {
    const auto data = dataAt(position);
    if (!data) return {};
    std::string title;
    const int selected = document_.selectedCurve();
    if (selected >= 0 && selected < document_.diagram().curveCount())
        title = base::windows1252ToUtf8(document_.diagram().curves[static_cast<std::size_t>(selected)].title);
    const double x = relative_ ? (*data)[0] - reference_[0] : (*data)[0];
    const double y = relative_ ? (*data)[1] - reference_[1] : (*data)[1];
    return QString::fromStdString(readoutText(x, y, relative_, title));
}

void COrdinaxView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && (drag_ || pipette_.active())) {
        // Escape gives up a drag or the pipette as the right button does.
        if (drag_) {
            drag_.reset();
            viewport()->update();
        }
        if (pipette_.active()) {
            pipette_.cancel();
            emit statusMessage(qtMessage(base::MsgShellPipetteCancelled), 5000);
        }
        updateCursor(mouse_);
        return;
    }
    const bool plain = !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
    const QString typed = event->text();
    if (plain && (typed == QStringLiteral("r") || typed == QStringLiteral("R"))) {
        // The mouse position becomes the origin of a relative read-out.
        if (const auto data = dataAt(mouse_)) {
            reference_ = *data;
            relative_ = true;
            emit readoutChanged(readoutAt(mouse_));
        }
        return;
    }
    if (plain && (typed == QStringLiteral("a") || typed == QStringLiteral("A"))) {
        reference_ = {0.0, 0.0};
        relative_ = false;
        const QString text = readoutAt(mouse_);
        if (!text.isEmpty()) emit readoutChanged(text);
        return;
    }
    if (placeCursor(event)) return;
    QAbstractScrollArea::keyPressEvent(event);
}

bool COrdinaxView::placeCursor(QKeyEvent* event) {
    CursorKey key;
    switch (event->key()) {
        case Qt::Key_Home:
            key = CursorKey::Home;
            break;
        case Qt::Key_End:
            key = CursorKey::End;
            break;
        case Qt::Key_Space:
            key = CursorKey::Space;
            break;
        case Qt::Key_Left:
            key = CursorKey::Left;
            break;
        case Qt::Key_Right:
            key = CursorKey::Right;
            break;
        case Qt::Key_Up:
            key = CursorKey::Up;
            break;
        case Qt::Key_Down:
            key = CursorKey::Down;
            break;
        default:
            return false;
    }
    const render::DiagramLayout& layout = lastPass_.layout;
    const bool shiftOrCtrl = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    // The data origin is offered only when both main scales are linear and their ranges hold 0.
    std::optional<render::DevPoint> origin;
    const document::Scales& scales = document_.diagram().scales;
    const auto& xScale = scales.axis[0][static_cast<std::size_t>(scales.mainSide[0] == 1)];
    const auto& yScale = scales.axis[1][static_cast<std::size_t>(scales.mainSide[1] == 1)];
    auto holdsZero = [](const document::AxisScale& scale) {
        return std::min(scale.origin, scale.extremity) <= 0.0 && std::max(scale.origin, scale.extremity) >= 0.0;
    };
    if (xScale.kind == 0 && yScale.kind == 0 && holdsZero(xScale) && holdsZero(yScale))
        origin = render::pointToDevice(layout.mapping, 0.0, 0.0);
    const auto target = placedCursor(key, shiftOrCtrl, layout.plotRect, {mouse_.x(), mouse_.y()}, origin);
    if (!target) return false;
    mouse_ = QPoint(target->x, target->y);
    QCursor::setPos(viewport()->mapToGlobal(mouse_));
    const QString text = readoutAt(mouse_);
    if (!text.isEmpty()) emit readoutChanged(text);
    return true;
}

}  // namespace ordinax::shell
