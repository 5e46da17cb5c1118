// The picture of an acquisition with its marks.
#include "shell/acquisition/picture_canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ordinax::shell {

void drawAcquisitionMarks(QPainter& painter, const acquisition::AcquisitionState& state) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(0, 255, 0), 0));
    for (const acquisition::PixelPoint& p : state.points) {
        painter.drawLine(p.x - 10, p.y, p.x + 10, p.y);
        painter.drawLine(p.x, p.y - 10, p.x, p.y + 10);
    }
    // Each corner opens towards the plot: the origin up and right, the end of
    // Y down and right, the opposite corner left and down, the end of X left and up.
    static const int Directions[acquisition::ReferenceCount][2] = {{1, -1}, {1, 1}, {-1, 1}, {-1, -1}};
    painter.setPen(QPen(QColor(255, 0, 0), 0));
    for (int i = 0; i < acquisition::ReferenceCount; ++i) {
        const acquisition::PixelPoint& p = state.references[static_cast<std::size_t>(i)];
        if (!p.isSet()) continue;
        painter.drawLine(p.x, p.y, p.x + 10 * Directions[i][0], p.y);
        painter.drawLine(p.x, p.y, p.x, p.y + 10 * Directions[i][1]);
    }
    painter.restore();
}

PictureCanvas::PictureCanvas(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    setAccessibleName(QStringLiteral("Image à relever"));
    setAccessibleDescription(QStringLiteral(
        "Flèches : déplacer le réticule (Maj : 10 pixels), Espace : ajouter un point, Suppr : retirer le point le plus proche"));
}

void PictureCanvas::setPicture(QImage picture) {
    picture_ = std::move(picture);
    resize(picture_.size());
    setCursorPosition({picture_.width() / 2, picture_.height() / 2});
    update();
}

void PictureCanvas::setCursorPosition(QPoint at) {
    if (picture_.isNull()) return;
    cursor_ = QPoint(std::clamp(at.x(), 0, picture_.width() - 1), std::clamp(at.y(), 0, picture_.height() - 1));
    update();
}

void PictureCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
    if (state_) drawAcquisitionMarks(painter, *state_);
    if (hasFocus()) {
        // The keyboard cross-hair, dashed so that it never hides a mark.
        QPen pen(QColor(0, 0, 255), 0, Qt::DashLine);
        painter.setPen(pen);
        painter.drawLine(cursor_.x() - 20, cursor_.y(), cursor_.x() + 20, cursor_.y());
        painter.drawLine(cursor_.x(), cursor_.y() - 20, cursor_.x(), cursor_.y() + 20);
    }
}

void PictureCanvas::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (!inside(at)) return;
    if (event->button() == Qt::LeftButton) emit pointClicked(at);
    if (event->button() == Qt::RightButton) emit removeRequested(at);
}

void PictureCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit hovered(inside(at) ? std::optional<QPoint>(at) : std::nullopt);
}

void PictureCanvas::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (!hasFocus()) emit hovered(std::nullopt);
}

void PictureCanvas::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier) ? 10 : 1;
    QPoint move;
    switch (event->key()) {
        case Qt::Key_Left: move = {-step, 0}; break;
        case Qt::Key_Right: move = {step, 0}; break;
        case Qt::Key_Up: move = {0, -step}; break;
        case Qt::Key_Down: move = {0, step}; break;
        case Qt::Key_Space:
            emit pointClicked(cursor_);
            return;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            emit removeRequested(cursor_);
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    setCursorPosition(cursor_ + move);
    emit hovered(cursor_);
}

void PictureCanvas::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    emit hovered(cursor_);
    update();
}

void PictureCanvas::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace ordinax::shell
