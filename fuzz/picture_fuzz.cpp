// Fuzz target: decoding a fill or logo picture file of any format (bitmaps,
// EMF and WMF through their record checks and converters) and drawing it.
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstdlib>

#include "qt/picture_loader.h"

// The EMF converter keeps a few bytes of every file it converts, and
// fontconfig its configuration: leaks inside those libraries, not ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libemf2svg\nleak:emf2svg\nleak:libfontconfig\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Vector pictures may hold text: fonts need a GUI application.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto picture = ordinax::qt::decodePicture(bytes);
    if (!picture) return 0;
    QImage target(64, 48, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::white);
    QPainter painter(&target);
    picture->draw(painter, QRectF(2, 2, 60, 44));
    return 0;
}
