// The view of the diagram.
#include "shell/ordinax_view.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "base/encoding.h"
#include "base/strings.h"
#include "base/strings_shell.h"
#include "qt/painter_device.h"

namespace ordinax::shell {

COrdinaxView::COrdinaxView(COrdinaxDoc& document, QWidget* parent) : QAbstractScrollArea(parent), document_(document) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameShape(QFrame::NoFrame);
    viewport()->setMouseTracking(true);
    // The whole viewport is repainted from the off-screen image: no erase flicker.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

int COrdinaxView::mode() const {
    return document_.diagram().displayMode;
}

int COrdinaxView::scrollY(int displayMode) const {
    return displayMode >= 0 && displayMode < 5 ? scrollY_[static_cast<std::size_t>(displayMode)] : 0;
}

void COrdinaxView::setShownCurve(int curve) {
    shownCurve_ = curve < 0 || curve >= document_.diagram().curveCount() ? -1 : curve;
    refresh();
}

void COrdinaxView::resetScroll() {
    scrollY_.fill(0);
    updateScrollBar();
}

ViewGeometry COrdinaxView::geometry() const {
    const document::Diagram& diagram = document_.diagram();
    return viewGeometry(mode(), viewport()->width(), viewport()->height(), sheetSize(diagram.orientation[0]),
                        scrollY(mode()));
}

void COrdinaxView::updateScrollBar() {
    const int m = mode();
    const ViewGeometry g =
        viewGeometry(m, viewport()->width(), viewport()->height(), sheetSize(document_.diagram().orientation[0]), 0);
    const int maximum = maxScroll(g.contentHeight, viewport()->height());
    if (m >= 0 && m < 5)
        scrollY_[static_cast<std::size_t>(m)] = std::min(scrollY_[static_cast<std::size_t>(m)], maximum);
    QScrollBar* bar = verticalScrollBar();
    const QSignalBlocker block(bar);  // the stored offset is already right
    bar->setRange(0, maximum);
    bar->setPageStep(std::max(1, viewport()->height()));
    bar->setSingleStep(20);
    bar->setValue(scrollY(m));
}

void COrdinaxView::refresh() {
    if (shownCurve_ >= document_.diagram().curveCount()) shownCurve_ = -1;
    updateScrollBar();
    viewport()->update();
}

QImage COrdinaxView::renderViewport() {
    const QSize size = viewport()->size().expandedTo(QSize(1, 1));
    if (buffer_.size() != size) buffer_ = QImage(size, QImage::Format_RGB32);
    if (buffer_.isNull()) return buffer_;
    const int m = mode();
    if (m < 1 || m > 3) {
        // Nothing displayed yet: the empty workspace.
        buffer_.fill(QColor(128, 128, 128));
        lastPass_ = {};
        return buffer_;
    }
    buffer_.fill(Qt::white);
    const ViewGeometry g = geometry();
    const document::Diagram& diagram = document_.diagram();
    const SheetSize sheet = sheetSize(diagram.orientation[0]);
    QPainter painter(&buffer_);
    const int dpiX = viewport()->logicalDpiX();
    const int dpiY = viewport()->logicalDpiY();
    qt::PainterDevice device(painter, false, dpiX, dpiY);
    render::RenderRequest request;
    request.pageRect = g.pageRect;
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
    request.abortRequested = [] { return false; };
    request.pictures = &pictures_;
    lastPass_ = render::drawDiagram(device, diagram, request);
    if (lastPass_.error) {
        painter.setPen(Qt::black);
        painter.drawText(buffer_.rect(), Qt::AlignCenter, QString::fromStdString(lastPass_.error->formatted()));
    }
    return buffer_;
}

void COrdinaxView::paintEvent(QPaintEvent*) {
    const QImage& picture = renderViewport();
    QPainter painter(viewport());
    if (picture.isNull()) {
        painter.fillRect(viewport()->rect(), Qt::white);
        painter.drawText(
            viewport()->rect(), Qt::AlignCenter,
            QString::fromStdString(base::makeMessage(base::MsgShellBitmapMemory, base::Heading::Error).formatted()));
        return;
    }
    painter.drawImage(0, 0, picture);
}

void COrdinaxView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBar();
}

void COrdinaxView::scrollContentsBy(int, int) {
    const int m = mode();
    if (m >= 0 && m < 5) scrollY_[static_cast<std::size_t>(m)] = verticalScrollBar()->value();
    viewport()->update();
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

void COrdinaxView::mouseMoveEvent(QMouseEvent* event) {
    mouse_ = event->position().toPoint();
    const QString text = readoutAt(mouse_);
    if (!text.isEmpty()) emit readoutChanged(text);
    QAbstractScrollArea::mouseMoveEvent(event);
}

void COrdinaxView::keyPressEvent(QKeyEvent* event) {
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
