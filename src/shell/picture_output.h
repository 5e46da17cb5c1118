// Pictures of the diagram for the clipboard and for files: the diagram drawn
// by the renderer as in the normal display mode ("Copier le diagramme",
// PNG and SVG on the clipboard), or written as PNG, SVG or PDF with a chosen
// size and resolution ("Exporter le diagramme...").
#pragma once

#include <QDialog>
#include <QImage>
#include <string>

#include "base/message.h"
#include "document/diagram.h"

class QComboBox;
class QSpinBox;

namespace ordinax::shell {

enum class PictureFormat { Png = 0, Svg = 1, Pdf = 2 };

struct ExportSettings {
    PictureFormat format = PictureFormat::Png;
    int width = 1600;  // pixels (PNG, SVG)
    int height = 1200;
    int dpi = 150;  // stored in PNG files; drawing resolution of PDF pages
};

// Draws the diagram as the normal display mode shows it into a picture of `size` pixels at `dpi`.
QImage diagramImage(const document::Diagram& diagram, QSize size, int dpi, int curveFilter = -1);

// The diagram as SVG text of `size` pixels.
QByteArray diagramSvg(const document::Diagram& diagram, QSize size, int dpi, int curveFilter = -1);

// Puts the diagram on the clipboard as a picture and as SVG.
void copyDiagramToClipboard(const document::Diagram& diagram, QSize size, int dpi, int curveFilter = -1);

// Writes the diagram to `path` (UTF-8) in the chosen format; the message on failure.
base::Message exportDiagram(const document::Diagram& diagram, const std::string& path, const ExportSettings& settings,
                            int curveFilter = -1);

// The file suffix of a format, with its dot.
const char* pictureSuffix(PictureFormat format);

// The dialog of "Exporter le diagramme...": format, size and resolution.
class ExportDialog : public QDialog {
    Q_OBJECT

public:
    ExportDialog(const ExportSettings& initial, QWidget* parent = nullptr);
    ExportSettings settings() const;

private:
    QComboBox* format_;
    QSpinBox* width_;
    QSpinBox* height_;
    QSpinBox* dpi_;
};

}  // namespace ordinax::shell
