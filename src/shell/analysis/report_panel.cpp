// The report panel of the smoothing dialog and the equation line.
#include "shell/analysis/report_panel.h"

#include <QFontInfo>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "base/encoding.h"
#include "qt/painter_device.h"
#include "render/markup_layout.h"
#include "reports/report_export.h"
#include "reports/report_ruling.h"

namespace ordinax::shell {

namespace {

// Blank space between the panel's edge and the text, in pixels.
constexpr int Inset = 6;

// A device of the widget's resolution for measuring, when no paint event runs.
template <typename Measure>
auto measureOn(const QWidget& widget, Measure measure) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    qt::PainterDevice device(painter, false, widget.logicalDpiX(), widget.logicalDpiY());
    return measure(device);
}

}  // namespace

ReportPanel::ReportPanel(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    viewport()->setBackgroundRole(QPalette::Base);
    verticalScrollBar()->setSingleStep(reports::ScrollLineStep);
    verticalScrollBar()->setPageStep(reports::ScrollPageStep);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    font_ = base::fontFromTextOrDefault("-16,0,0,0,400,0,0,0,0,0,0,0,49,Courier New");
}

void ReportPanel::setReport(const std::string& text) {
    text_ = text;
    lines_ = reports::reportLines(text);
    widestLine_ = 0;
    for (const std::string& line : lines_)
        widestLine_ = std::max(widestLine_, static_cast<int>(reports::visibleLine(line).size()));
    // What a screen reader reads: the text with its tables drawn in characters.
    setAccessibleDescription(QString::fromStdString(base::windows1252ToUtf8(reports::reportToPlainText(text))));
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

void ReportPanel::setReportFont(const base::LogFont& font) {
    font_ = font;
    measured_ = false;
    updateScrollBars();
    viewport()->update();
}

reports::ReportMetrics ReportPanel::metrics() const {
    if (!measured_) {
        metrics_ = measureOn(*this, [this](render::DrawDevice& device) {
            return reports::measureReportFont(device, font_, 0.0);
        });
        measured_ = true;
    }
    return metrics_;
}

int ReportPanel::firstLine() const { return verticalScrollBar()->value(); }

int ReportPanel::visibleLines() const {
    return reports::visibleLineCount(viewport()->height() - Inset, metrics().lineHeight);
}

QSize ReportPanel::sizeHint() const {
    const reports::ReportMetrics m = metrics();
    // A table of the report templates is 67 cells wide.
    return {70 * m.cellWidth + 2 * Inset + verticalScrollBar()->sizeHint().width(), 24 * m.lineHeight};
}

void ReportPanel::updateScrollBars() {
    const reports::ReportMetrics m = metrics();
    const int visible = visibleLines();
    verticalScrollBar()->setRange(0, reports::scrollRange(lineCount(), visible));
    verticalScrollBar()->setPageStep(reports::ScrollPageStep);
    const int width = widestLine_ * m.cellWidth + 2 * Inset;
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(std::max(1, viewport()->width()));
    horizontalScrollBar()->setSingleStep(m.cellWidth);
}

void ReportPanel::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ReportPanel::scrollContentsBy(int, int) { viewport()->update(); }

void ReportPanel::keyPressEvent(QKeyEvent* event) {
    QScrollBar* bar = verticalScrollBar();
    switch (event->key()) {
        case Qt::Key_Up:
            bar->setValue(bar->value() - reports::ScrollLineStep);
            break;
        case Qt::Key_Down:
            bar->setValue(bar->value() + reports::ScrollLineStep);
            break;
        case Qt::Key_PageUp:
            bar->setValue(bar->value() - reports::ScrollPageStep);
            break;
        case Qt::Key_PageDown:
            bar->setValue(bar->value() + reports::ScrollPageStep);
            break;
        case Qt::Key_Home:
            bar->setValue(0);
            break;
        case Qt::Key_End:
            bar->setValue(bar->maximum());
            break;
        case Qt::Key_Left:
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Right:
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    event->accept();
}

void ReportPanel::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    if (lines_.empty()) return;
    qt::PainterDevice device(painter, false, logicalDpiX(), logicalDpiY());
    const reports::ReportMetrics m = metrics();
    const int left = Inset - horizontalScrollBar()->value();
    const render::DevRect body{left, Inset, left + std::max(widestLine_ * m.cellWidth, viewport()->width()) + Inset,
                               viewport()->height()};
    reports::drawReportLines(device, lines_, firstLine(), visibleLines(), font_, body, m, 0.0, 1);
}

MarkupLine::MarkupLine(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

base::LogFont MarkupLine::font() const {
    // The dialog's own text size, in the face of the diagram texts.
    base::LogFont logFont = base::fontFromTextOrDefault("-13,0,0,0,400,0,0,0,0,0,0,0,34,Arial");
    logFont.height = -std::max(10, QFontInfo(QWidget::font()).pixelSize() + 1);
    return logFont;
}

void MarkupLine::setMarkup(const std::string& markup) {
    markup_ = markup;
    setAccessibleDescription(QString::fromStdString(base::windows1252ToUtf8(reports::reportToPlainText(markup + "\n"))));
    updateGeometry();
    update();
}

QSize MarkupLine::sizeHint() const {
    const render::MarkupSize size = measureOn(*this, [this](render::DrawDevice& device) {
        return render::layoutMarkup(device, markup_.empty() ? std::string("X") : markup_, font(), 0, {},
                                    render::AlignLeft, 0, render::MarkupMode::Measure);
    });
    return {size.width + 4, size.height + 4};
}

void MarkupLine::paintEvent(QPaintEvent*) {
    if (markup_.empty()) return;
    QPainter painter(this);
    qt::PainterDevice device(painter, false, logicalDpiX(), logicalDpiY());
    const render::Colour colour = isEnabled() ? 0 : 0x808080;
    render::layoutMarkup(device, markup_, font(), colour, {2, 2, width() - 2, height() - 2}, render::AlignLeft, 0,
                         render::MarkupMode::Draw);
}

}  // namespace ordinax::shell
