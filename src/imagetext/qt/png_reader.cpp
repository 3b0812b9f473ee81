#include "imagetext/qt/png_reader.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include "imagetext/picture_file.h"

namespace quillo::imagetext {

Picture read_png(std::string_view bytes, const std::string& path, const DecodeLimits& limits) {
    QByteArray data = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    try {
        check_picture_size(size.width(), size.height(), limits.max_pixels, limits);
    } catch (const PictureError& e) {
        throw PictureError(picture_error_text(path, e.what()));
    }
    reader.setAllocationLimit(int(limits.max_pixels * 4 / (1024 * 1024)) + 1);
    QImage image = reader.read();
    if (image.isNull())
        throw PictureError(picture_error_text(
            path, "The PNG picture cannot be read: " + reader.errorString().toStdString() + "."));
    image = image.convertToFormat(QImage::Format_RGB32);
    Picture p(image.width(), image.height());
    for (int y = 0; y < p.height; ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::copy(line, line + p.width, p.row(y));
    }
    return p;
}

}  // namespace quillo::imagetext
