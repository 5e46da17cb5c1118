// " Reconstruction d'une courbe": a curve acquired by clicking its points
// on a picture of a chart. The user marks the reference points of the axes
// (ORG, EXT_Y, EXT, EXT_X) on the picture, types the values they stand for
// and clicks the points; "&Valider" converts them. A magnifier shows the
// neighbourhood of the mouse or of the keyboard cross-hair; a picture can
// also be pasted or dropped on the window.
#pragma once

#include <QImage>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "acquisition/acquisition_settings.h"
#include "acquisition/acquisition_state.h"
#include "shell/common/ordinax_dialog.h"

namespace Ui {
class AcquisitionWindow;
}

namespace ordinax::settings {
class SettingsStore;
}

namespace ordinax::shell {

class PictureCanvas;

class AcquisitionWindow : public OrdinaxDialog {
    Q_OBJECT

public:
    // `title` presets the curve's title (Windows-1252).
    AcquisitionWindow(UserPrompts& prompts, settings::SettingsStore& store, QImage picture, const std::string& title,
                      QWidget* parent = nullptr);
    ~AcquisitionWindow() override;

    const acquisition::AcquisitionState& state() const { return state_; }
    // The curve's title as typed (Windows-1252).
    std::string curveTitle() const;
    // The converted points, once validated.
    const std::vector<document::Point>& points() const { return points_; }
    PictureCanvas& canvas() { return *canvas_; }

    // What the mouse and the buttons do, at picture positions.
    void clickAt(QPoint picturePosition);
    void removeAt(QPoint picturePosition);
    void placeReference(int index);
    void setAxis(int axis, const acquisition::AxisValues& values);
    // Replaces the picture (pasted or dropped); the marks go with the old one.
    bool replacePicture(QImage picture);
    void pastePicture();

    void accept() override;
    void done(int result) override;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void hovered(std::optional<QPoint> at);
    void deleteAll();
    void axisFieldsChanged();
    void loadAxisFields();
    void refresh();
    void updateCounts();
    void updateMagnifier(QPoint at);

    std::unique_ptr<Ui::AcquisitionWindow> ui_;
    settings::SettingsStore& store_;
    PictureCanvas* canvas_ = nullptr;
    acquisition::AcquisitionState state_;
    std::vector<document::Point> points_;
    bool loading_ = false;
};

// The picture of a file as the acquisition shows it: one pixel per picture
// pixel for bitmaps, metafiles drawn at their natural size on white; nullopt
// when the file cannot be read or decoded.
std::optional<QImage> loadAcquisitionPicture(const QString& path);

}  // namespace ordinax::shell
