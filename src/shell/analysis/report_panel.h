// The report panel of the smoothing dialog: the calculation report drawn as
// label markup on a grid of character cells, its `&` tables ruled, scrolled
// line by line; and a one-line view of a model's equation. Screen readers
// read the report as plain text with its tables drawn in characters.
#pragma once

#include <QAbstractScrollArea>
#include <QWidget>
#include <string>
#include <vector>

#include "base/logfont.h"
#include "reports/report_lines.h"

namespace ordinax::shell {

class ReportPanel : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit ReportPanel(QWidget* parent = nullptr);

    // Shows a report (Windows-1252 label markup, lines ended by line feeds)
    // from its first line; an empty text clears the panel.
    void setReport(const std::string& text);
    const std::string& report() const { return text_; }

    // The report font (a logical font record, negative heights in pixels).
    void setReportFont(const base::LogFont& font);

    int lineCount() const { return static_cast<int>(lines_.size()); }
    // The first line shown and the number of whole lines the panel shows.
    int firstLine() const;
    int visibleLines() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    reports::ReportMetrics metrics() const;
    void updateScrollBars();

    std::string text_;
    std::vector<std::string> lines_;
    int widestLine_ = 0;  // in character cells
    base::LogFont font_;
    mutable bool measured_ = false;
    mutable reports::ReportMetrics metrics_;
};

// One line of label markup (a model's equation) drawn in the dialog's font.
class MarkupLine : public QWidget {
    Q_OBJECT

public:
    explicit MarkupLine(QWidget* parent = nullptr);
    // Windows-1252 label markup.
    void setMarkup(const std::string& markup);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    base::LogFont font() const;
    std::string markup_;
};

}  // namespace ordinax::shell
