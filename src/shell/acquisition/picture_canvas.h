// The picture of an acquisition at one screen pixel per picture pixel, with
// the clicked points (green crosses) and the reference points (red corners).
// The mouse clicks and removes points; so does the keyboard: the arrows move
// a cross-hair (by 10 pixels with Shift), Space adds a point there, Delete
// removes the nearest one.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <optional>

#include "acquisition/acquisition_state.h"

namespace ordinax::shell {

class PictureCanvas : public QWidget {
    Q_OBJECT

public:
    explicit PictureCanvas(QWidget* parent = nullptr);

    void setPicture(QImage picture);
    const QImage& picture() const { return picture_; }
    // The marks drawn over the picture.
    void setState(const acquisition::AcquisitionState* state) { state_ = state; }
    // The keyboard cross-hair, in picture pixels.
    QPoint cursorPosition() const { return cursor_; }
    void setCursorPosition(QPoint at);

    QSize sizeHint() const override { return picture_.size(); }

signals:
    void pointClicked(QPoint picturePosition);
    void removeRequested(QPoint picturePosition);
    // The position under the mouse or the cross-hair; none outside the picture.
    void hovered(std::optional<QPoint> picturePosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool inside(QPoint at) const { return QRect(QPoint(0, 0), picture_.size()).contains(at); }

    QImage picture_;
    const acquisition::AcquisitionState* state_ = nullptr;
    QPoint cursor_{0, 0};
};

// Draws the marks of an acquisition: a green cross of one-pixel lines per
// clicked point (10 pixels each way), a red corner of two 10-pixel strokes per
// reference point, turned towards the inside of the frame.
void drawAcquisitionMarks(QPainter& painter, const acquisition::AcquisitionState& state);

}  // namespace ordinax::shell
