// The view's mouse interaction: selection by hit-testing, tag dragging,
// context menus, double-click editing, cursor shapes and the pipette.
#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "base/strings.h"
#include "base/strings_shell.h"
#include "document/label_slots.h"
#include "render/model_hit.h"
#include "render/tags.h"
#include "shell/context_menus.h"
#include "shell/curves/curve_view_marks.h"
#include "shell/ordinax_view.h"

namespace ordinax::shell {

namespace {

QString qtMessage(int id, std::string_view argument = {}) {
    return QString::fromStdString(base::makeMessage(id, base::Heading::None, argument).text);
}

render::DevPoint devPoint(QPoint p) {
    return {p.x(), p.y()};
}

Qt::CursorShape cursorShape(const render::HitResult& hit) {
    switch (hit.kind) {
        case render::HitKind::Tag:
            return Qt::OpenHandCursor;
        case render::HitKind::Legend:
            return Qt::PointingHandCursor;
        case render::HitKind::Plot:
            return Qt::CrossCursor;
        case render::HitKind::Scale:
            return hit.direction == 0 ? Qt::SizeVerCursor : Qt::SizeHorCursor;
        case render::HitKind::Label:
        case render::HitKind::Background:
            break;
    }
    return Qt::ArrowCursor;
}

// The pipette's cursor: a small crosshair with an open square at its centre,
// hot spot in the middle.
const QCursor& pipetteCursor() {
    static const QCursor cursor = [] {
        QPixmap pixmap(21, 21);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setPen(QPen(Qt::white, 3));
        painter.drawLine(10, 0, 10, 7);
        painter.drawLine(10, 13, 10, 20);
        painter.drawLine(0, 10, 7, 10);
        painter.drawLine(13, 10, 20, 10);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(10, 0, 10, 7);
        painter.drawLine(10, 13, 10, 20);
        painter.drawLine(0, 10, 7, 10);
        painter.drawLine(13, 10, 20, 10);
        painter.drawRect(8, 8, 4, 4);
        painter.end();
        return QCursor(pixmap, 10, 10);
    }();
    return cursor;
}

}  // namespace

render::HitResult COrdinaxView::hitAt(QPoint position) const {
    const int m = mode();
    if (m < 1 || m > 3 || lastPass_.layout.diagramRect.empty()) return {};
    return render::hitTest(lastPass_.layout, document_.diagram(), devPoint(position));
}

render::HitResult COrdinaxView::selectAt(QPoint position) {
    const render::HitResult hit = hitAt(position);
    lastHit_ = hit;
    switch (hit.kind) {
        case render::HitKind::Tag:
        case render::HitKind::Label:
        case render::HitKind::Legend:
            selectedLabel_ = hit.slot;
            break;
        default:
            selectedLabel_ = -1;
            break;
    }
    if (hit.kind == render::HitKind::Legend && hit.curve >= 0 && hit.curve != document_.selectedCurve()) {
        document_.setSelectedCurve(hit.curve);
        viewport()->update();  // the marks of the selected curve move
    }
    emit selectionChanged();
    return hit;
}

void COrdinaxView::selectCurve(int curve) {
    if (curve < -1 || curve >= document_.diagram().curveCount()) return;
    document_.setSelectedCurve(curve);
    emit selectionChanged();
}

int COrdinaxView::selectedTag() const {
    if (selectedLabel_ < document::FirstTagSlot) return -1;
    const int tag = selectedLabel_ - document::FirstTagSlot;
    // A tag deleted since it was selected is no longer a target.
    return document_.diagram().tagOrder[static_cast<std::size_t>(tag)] >= 0 ? tag : -1;
}

void COrdinaxView::clearSelection() {
    selectedLabel_ = -1;
    lastHit_ = {};
    drag_.reset();
    emit selectionChanged();
}

std::unique_ptr<QMenu> COrdinaxView::contextMenu(const render::HitResult& hit) {
    auto menu = std::make_unique<QMenu>(this);
    // Disabled commands explain themselves in a tooltip, as in the menu bar.
    menu->setToolTipsVisible(true);
    for (const ContextItem& item : contextMenuItems(hit.kind)) {
        QAction* source = actionLookup_ ? actionLookup_(item.command) : nullptr;
        if (!source) continue;
        if (item.separatorBefore && !menu->isEmpty()) menu->addSeparator();
        const QString label = QString::fromUtf8(item.label.data(), qsizetype(item.label.size()));
        if (source->text() == label) {
            menu->addAction(source);
            continue;
        }
        // Same command under another label: a stand-in that mirrors the
        // frame's action as it is now and runs it.
        QAction* proxy = menu->addAction(label);
        proxy->setEnabled(source->isEnabled());
        proxy->setToolTip(source->toolTip());
        proxy->setStatusTip(source->statusTip());
        connect(proxy, &QAction::triggered, source, &QAction::trigger);
    }
    return menu;
}

void COrdinaxView::mousePressEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    mouse_ = position;
    if (pipette_.active()) {
        pipettePress(event);
        return;
    }
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    drag_.reset();
    const render::HitResult hit = selectAt(position);
    if (event->button() == Qt::LeftButton) {
        if (hit.kind == render::HitKind::Tag) {
            const render::DevRect& box = lastPass_.layout.blocks[static_cast<std::size_t>(hit.slot)];
            drag_ = TagDrag{hit.tag, box, box, position};
            viewport()->setCursor(Qt::ClosedHandCursor);
        }
        return;
    }
    const int m = mode();
    if (m < 1 || m > 3) return;
    const std::unique_ptr<QMenu> menu = contextMenu(hit);
    if (!menu->isEmpty()) menu->exec(event->globalPosition().toPoint());
}

void COrdinaxView::mouseMoveEvent(QMouseEvent* event) {
    mouse_ = event->position().toPoint();
    if (pipette_.active()) {
        pipetteMove(mouse_);
        return;
    }
    if (drag_) {
        const QPoint delta = mouse_ - drag_->startPoint;
        drag_->rect = render::movedTagRect(drag_->startRect, delta.x(), delta.y(), lastPass_.layout.diagramRect);
        // Only the outline moves: the picture underneath is not drawn again.
        viewport()->update();
        return;
    }
    const QString text = readoutAt(mouse_);
    if (!text.isEmpty()) emit readoutChanged(text);
    updateCursor(mouse_);
    QAbstractScrollArea::mouseMoveEvent(event);
}

void COrdinaxView::mouseReleaseEvent(QMouseEvent* event) {
    mouse_ = event->position().toPoint();
    if (drag_ && event->button() == Qt::LeftButton) {
        finishDrag();
        updateCursor(mouse_);
        return;
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void COrdinaxView::finishDrag() {
    const TagDrag drag = *drag_;
    drag_.reset();
    viewport()->update();
    if (drag.rect == drag.startRect) return;
    const render::TagPosition position = render::tagPositionFromRect(lastPass_.layout.plotRect, drag.rect);
    if (position == document_.diagram().tagPosition[static_cast<std::size_t>(drag.tag)]) return;
    document_.beginChange();
    document::moveTag(document_.diagram(), drag.tag, position);
    document_.commitChange();
    refresh();
    emit diagramChanged();
}

void COrdinaxView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (pipette_.active() || event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    mouse_ = event->position().toPoint();
    drag_.reset();
    viewport()->update();
    const int m = mode();
    if (m < 1 || m > 3) return;
    const render::HitResult hit = selectAt(mouse_);
    if (hit.kind == render::HitKind::Plot && openFittedCurve(mouse_)) return;
    // A curve's point or its legend line opens the curve's own dialog.
    int curve = hit.kind == render::HitKind::Legend ? hit.curve : -1;
    if (hit.kind == render::HitKind::Plot)
        curve = curveAt(lastPass_.layout, shownDiagram(), shownCurve_, {mouse_.x(), mouse_.y()});
    if (curve >= 0 && curve < document_.diagram().curveCount() && actionLookup_) {
        document_.setSelectedCurve(curve);
        viewport()->update();
        emit selectionChanged();
        QAction* fitting = actionLookup_(CommandId::CurveSmoothing);
        const CommandId command = curveDoubleClickCommand(document_.diagram().curves[static_cast<std::size_t>(curve)],
                                                          fitting && fitting->isEnabled());
        if (QAction* open = actionLookup_(command); open && open->isEnabled()) {
            open->trigger();
            return;
        }
    }
    QAction* edit = actionLookup_ ? actionLookup_(editCommand(hit.kind)) : nullptr;
    // A command whose dialog is not available stays silent: no empty dialog.
    if (edit && edit->isEnabled()) edit->trigger();
}

bool COrdinaxView::openFittedCurve(QPoint position) {
    // Within this many pixels of its line, a fitted curve takes the double click.
    constexpr int Reach = 4;
    QAction* smoothing = actionLookup_ ? actionLookup_(CommandId::CurveSmoothing) : nullptr;
    if (!smoothing || !smoothing->isEnabled()) return false;
    const int curve = render::fittedCurveAt(lastPass_.layout, document_.diagram(), devPoint(position), Reach, shownCurve_);
    if (curve < 0) return false;
    document_.setSelectedCurve(curve);
    emit selectionChanged();
    smoothing->trigger();
    return true;
}

void COrdinaxView::updateCursor(QPoint position) {
    if (pipette_.active()) {
        viewport()->setCursor(pipetteCursor());
        return;
    }
    if (drag_) {
        viewport()->setCursor(Qt::ClosedHandCursor);
        return;
    }
    viewport()->setCursor(cursorShape(hitAt(position)));
}

PipetteColour COrdinaxView::colourAt(QPoint position) const {
    if (buffer_.isNull() || !buffer_.rect().contains(position)) return pipette_.hovered();
    const QRgb pixel = buffer_.pixel(position);
    return static_cast<PipetteColour>(qRed(pixel) | (qGreen(pixel) << 8) | (qBlue(pixel) << 16));
}

void COrdinaxView::startPipette(PipetteColour current) {
    drag_.reset();
    pipette_.start(current);
    updateCursor(mouse_);
    emit statusMessage(qtMessage(base::MsgShellPipetteHover, pipetteColourText(pipette_.hovered())), 0);
}

void COrdinaxView::pipetteMove(QPoint position) {
    pipette_.hover(colourAt(position));
    emit statusMessage(qtMessage(base::MsgShellPipetteHover, pipetteColourText(pipette_.hovered())), 0);
}

void COrdinaxView::pipettePress(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        const PipetteColour taken = pipette_.take(colourAt(position));
        emit pointColourTaken(taken);
        emit statusMessage(qtMessage(base::MsgShellPipetteTaken, pipetteColourText(taken)), 10000);
    } else if (event->button() == Qt::RightButton) {
        pipette_.cancel();
        emit statusMessage(qtMessage(base::MsgShellPipetteCancelled), 5000);
    } else {
        return;
    }
    updateCursor(position);
}

}  // namespace ordinax::shell
