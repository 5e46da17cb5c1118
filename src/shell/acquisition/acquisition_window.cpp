// " Reconstruction d'une courbe".
#include "shell/acquisition/acquisition_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>

#include "base/encoding.h"
#include "base/strings.h"
#include "base/strings_data.h"
#include "document/diagram.h"
#include "qt/picture_loader.h"
#include "shell/acquisition/picture_canvas.h"
#include "shell/user_prompts.h"
#include "ui_acquisition_window.h"

namespace ordinax::shell {

using acquisition::AxisKind;
using acquisition::AxisValues;

namespace {

constexpr int MagnifiedSide = 40;  // picture pixels shown in the magnifier, enlarged 5 times

QString text(int id, const std::string& argument = {}) {
    return QString::fromStdString(base::makeMessage(id, base::Heading::None, argument).text);
}

bool isPictureFile(const QString& path) {
    static const QStringList Suffixes = {QStringLiteral("bmp"), QStringLiteral("gif"), QStringLiteral("jpg"),
                                         QStringLiteral("jpeg"), QStringLiteral("png"), QStringLiteral("tif"),
                                         QStringLiteral("tiff"), QStringLiteral("wmf"), QStringLiteral("emf")};
    return Suffixes.contains(QFileInfo(path).suffix().toLower());
}

}  // namespace

std::optional<QImage> loadAcquisitionPicture(const QString& path) {
    QFile file(path);
    if (file.size() > qt::kMaxPictureFileBytes || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    const std::shared_ptr<const qt::DecodedPicture> decoded = qt::decodePicture(file.readAll());
    if (!decoded) return std::nullopt;
    const render::PictureInfo& info = decoded->info();
    // One screen pixel per picture pixel: the picture's own resolution is the
    // one it is shown at (metafiles come at 96 pixels per inch).
    const int width = acquisition::picturePixels(info.width * 2540.0 / info.dpiX, info.dpiX);
    const int height = acquisition::picturePixels(info.height * 2540.0 / info.dpiY, info.dpiY);
    if (width <= 0 || height <= 0 || static_cast<std::int64_t>(width) * height > qt::kMaxPicturePixels)
        return std::nullopt;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    decoded->draw(painter, QRectF(0, 0, width, height));
    painter.end();
    return image;
}

AcquisitionWindow::AcquisitionWindow(UserPrompts& prompts, settings::SettingsStore& store, QImage picture,
                                     const std::string& title, QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::AcquisitionWindow>()), store_(store) {
    ui_->setupUi(this);
    setHelpTopic(QStringLiteral("acquisition"));
    setAcceptDrops(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    // Enter confirms a value field, never a button chosen for the user.
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);

    canvas_ = new PictureCanvas;
    canvas_->setState(&state_);
    canvas_->setPicture(std::move(picture));
    ui_->pictureArea->setWidget(canvas_);
    ui_->pictureArea->setFocusProxy(canvas_);
    ui_->pictureArea->setBackgroundRole(QPalette::Dark);
    connect(canvas_, &PictureCanvas::pointClicked, this, &AcquisitionWindow::clickAt);
    connect(canvas_, &PictureCanvas::removeRequested, this, &AcquisitionWindow::removeAt);
    connect(canvas_, &PictureCanvas::hovered, this, &AcquisitionWindow::hovered);

    const acquisition::AcquisitionSettings kept = acquisition::readAcquisitionSettings(store_);
    state_.xAxis = kept.xAxis;
    state_.yAxis = kept.yAxis;
    ui_->keepSettings->setChecked(kept.save);
    ui_->curveTitle->setText(QString::fromStdString(base::windows1252ToUtf8(title)));

    connect(ui_->originButton, &QPushButton::clicked, this, [this] { placeReference(acquisition::Origin); });
    connect(ui_->endYButton, &QPushButton::clicked, this, [this] { placeReference(acquisition::EndY); });
    connect(ui_->cornerButton, &QPushButton::clicked, this, [this] { placeReference(acquisition::Corner); });
    connect(ui_->endXButton, &QPushButton::clicked, this, [this] { placeReference(acquisition::EndX); });
    connect(ui_->deleteButton, &QPushButton::clicked, this, &AcquisitionWindow::deleteAll);
    connect(ui_->zoomButton, &QPushButton::toggled, ui_->magnifier, &QWidget::setVisible);
    ui_->learnButton->setEnabled(false);
    ui_->autoButton->setEnabled(false);
    for (NumberField* field : {ui_->xOrigin, ui_->xExtremity, ui_->yOrigin, ui_->yExtremity})
        connect(field, &NumberField::valueChanged, this, &AcquisitionWindow::axisFieldsChanged);
    connect(ui_->xKind, &QComboBox::currentIndexChanged, this, &AcquisitionWindow::axisFieldsChanged);
    connect(ui_->yKind, &QComboBox::currentIndexChanged, this, &AcquisitionWindow::axisFieldsChanged);
    connect(ui_->refreshButton, &QPushButton::clicked, this, &AcquisitionWindow::refresh);
    connect(ui_->pasteButton, &QPushButton::clicked, this, &AcquisitionWindow::pastePicture);
    connect(ui_->validateButton, &QPushButton::clicked, this, &AcquisitionWindow::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &AcquisitionWindow::reject);
    auto* paste = new QShortcut(QKeySequence::Paste, this);
    connect(paste, &QShortcut::activated, this, &AcquisitionWindow::pastePicture);

    loadAxisFields();
    updateCounts();
    updateMagnifier(canvas_->cursorPosition());
    finishSetup();
}

AcquisitionWindow::~AcquisitionWindow() = default;

std::string AcquisitionWindow::curveTitle() const {
    return base::utf8ToWindows1252Lossy(ui_->curveTitle->text().toStdString());
}

void AcquisitionWindow::loadAxisFields() {
    loading_ = true;
    ui_->xKind->setCurrentIndex(static_cast<int>(state_.xAxis.kind));
    ui_->yKind->setCurrentIndex(static_cast<int>(state_.yAxis.kind));
    ui_->xOrigin->setValue(state_.xAxis.origin);
    ui_->xExtremity->setValue(state_.xAxis.extremity);
    ui_->yOrigin->setValue(state_.yAxis.origin);
    ui_->yExtremity->setValue(state_.yAxis.extremity);
    loading_ = false;
}

void AcquisitionWindow::axisFieldsChanged() {
    if (loading_) return;
    AxisValues x{static_cast<AxisKind>(ui_->xKind->currentIndex()), ui_->xOrigin->value(), ui_->xExtremity->value()};
    AxisValues y{static_cast<AxisKind>(ui_->yKind->currentIndex()), ui_->yOrigin->value(), ui_->yExtremity->value()};
    state_.xAxis = acquisition::checkedAxisValues(x);
    state_.yAxis = acquisition::checkedAxisValues(y);
    // The fields show the values as the rules left them.
    loadAxisFields();
    updateCounts();
}

void AcquisitionWindow::setAxis(int axis, const AxisValues& values) {
    (axis == 0 ? state_.xAxis : state_.yAxis) = acquisition::checkedAxisValues(values);
    loadAxisFields();
    updateCounts();
}

void AcquisitionWindow::clickAt(QPoint at) {
    canvas_->setCursorPosition(at);
    if (!acquisition::addClickedPoint(state_, {at.x(), at.y()})) {
        ui_->readout->setText(text(base::MsgAcquisitionFull, std::to_string(document::MaxPoints)));
        return;
    }
    canvas_->update();
    updateCounts();
}

void AcquisitionWindow::removeAt(QPoint at) {
    if (!acquisition::removeNearestPoint(state_, {at.x(), at.y()})) return;
    canvas_->update();
    updateCounts();
}

void AcquisitionWindow::placeReference(int index) {
    switch (acquisition::placeReference(state_, index)) {
        case acquisition::PlaceOutcome::NoClick:
            return;
        case acquisition::PlaceOutcome::AlreadyUsed:
            prompts().show(base::makeMessage(base::MsgAcquisitionPointUsed, base::Heading::Error));
            return;
        case acquisition::PlaceOutcome::Placed:
            break;
    }
    canvas_->update();
    updateCounts();
}

void AcquisitionWindow::deleteAll() {
    if (state_.points.empty()) return;
    if (!prompts().askYesNo(base::makeMessage(base::MsgAcquisitionDeleteAll, base::Heading::Warning))) return;
    acquisition::deleteClickedPoints(state_);
    canvas_->update();
    updateCounts();
}

void AcquisitionWindow::refresh() {
    loadAxisFields();
    canvas_->update();
    updateCounts();
}

void AcquisitionWindow::updateCounts() {
    const int references = acquisition::referencePointsSet(state_.references);
    const bool frame = acquisition::stateFrame(state_).has_value();
    ui_->counts->setText(QStringLiteral("Points relevés : %1\nPoints de référence : %2%3")
                             .arg(state_.points.size())
                             .arg(references)
                             .arg(frame ? QStringLiteral(" (repère valide)") : QString()));
    for (QPushButton* b : {ui_->originButton, ui_->endYButton, ui_->cornerButton, ui_->endXButton})
        b->setEnabled(state_.lastClick.has_value());
}

void AcquisitionWindow::hovered(std::optional<QPoint> at) {
    if (!at) {
        ui_->readout->clear();
        return;
    }
    const std::optional<acquisition::DataPoint> value = acquisition::valueAt(state_, at->x(), at->y());
    const QString pixel = QStringLiteral("  [%1, %2]").arg(at->x()).arg(at->y());
    ui_->readout->setText(value ? QString::fromStdString(acquisition::readoutText(*value)) + pixel : pixel.trimmed());
    updateMagnifier(*at);
}

void AcquisitionWindow::updateMagnifier(QPoint at) {
    if (canvas_->picture().isNull()) return;
    const QRect source(at.x() - MagnifiedSide / 2, at.y() - MagnifiedSide / 2, MagnifiedSide, MagnifiedSide);
    QImage piece(MagnifiedSide, MagnifiedSide, QImage::Format_RGB32);
    piece.fill(palette().color(QPalette::Dark));
    {
        QPainter painter(&piece);
        painter.translate(-source.topLeft());
        painter.drawImage(QPoint(0, 0), canvas_->picture());
        drawAcquisitionMarks(painter, state_);
    }
    // Drawn at the screen's own resolution: the cross-hair stays one device pixel thin at 200 %.
    const int side = ui_->magnifier->width() - 2 * ui_->magnifier->frameWidth();
    const qreal ratio = devicePixelRatioF();
    const int deviceSide = qRound(side * ratio);
    QPixmap enlarged = QPixmap::fromImage(
        piece.scaled(deviceSide, deviceSide, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    enlarged.setDevicePixelRatio(ratio);
    QPainter painter(&enlarged);
    painter.setPen(QPen(QColor(0, 0, 255), 0, Qt::DotLine));
    painter.drawLine(side / 2, 0, side / 2, side);
    painter.drawLine(0, side / 2, side, side / 2);
    painter.end();
    ui_->magnifier->setPixmap(enlarged);
}

bool AcquisitionWindow::replacePicture(QImage picture) {
    if (picture.isNull()) return false;
    // Marks placed on another picture mean nothing on this one.
    if ((!state_.points.empty() || acquisition::referencePointsSet(state_.references) > 0) &&
        !prompts().askYesNo(base::makeMessage(base::MsgAcquisitionDeleteAll, base::Heading::Warning)))
        return false;
    state_.points.clear();
    state_.references = {};
    state_.lastClick.reset();
    canvas_->setPicture(picture.convertToFormat(QImage::Format_RGB32));
    updateCounts();
    updateMagnifier(canvas_->cursorPosition());
    return true;
}

void AcquisitionWindow::pastePicture() {
    const QImage image = QApplication::clipboard()->image();
    if (image.isNull()) {
        prompts().show(base::makeMessage(base::MsgAcquisitionNoClipboardPicture, base::Heading::Remark));
        return;
    }
    replacePicture(image);
}

void AcquisitionWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* data = event->mimeData();
    if (data->hasImage()) {
        event->acceptProposedAction();
        return;
    }
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && isPictureFile(url.toLocalFile())) {
            event->acceptProposedAction();
            return;
        }
}

void AcquisitionWindow::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (data->hasImage()) {
        event->acceptProposedAction();
        replacePicture(qvariant_cast<QImage>(data->imageData()));
        return;
    }
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile() || !isPictureFile(url.toLocalFile())) continue;
        event->acceptProposedAction();
        const std::optional<QImage> picture = loadAcquisitionPicture(url.toLocalFile());
        if (!picture)
            prompts().show(base::makeMessage(base::MsgPictureOpenFailed, base::Heading::Error,
                                             url.toLocalFile().toStdString()));
        else
            replacePicture(*picture);
        return;
    }
}

void AcquisitionWindow::accept() {
    // A value typed but not yet left is part of what is validated.
    for (NumberField* field : {ui_->xOrigin, ui_->xExtremity, ui_->yOrigin, ui_->yExtremity})
        if (field->hasFocus() && !field->commit()) return;
    const acquisition::ConversionResult result = acquisition::convertClickedPoints(state_);
    if (!result.ok) {
        // Nothing is lost: the points stay for the user to complete the frame.
        prompts().show(result.message);
        return;
    }
    points_ = result.points;
    OrdinaxDialog::accept();
}

void AcquisitionWindow::done(int result) {
    acquisition::writeAcquisitionSettings(store_, {ui_->keepSettings->isChecked(), state_.xAxis, state_.yAxis});
    OrdinaxDialog::done(result);
}

}  // namespace ordinax::shell
