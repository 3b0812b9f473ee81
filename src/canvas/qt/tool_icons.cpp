#include "canvas/qt/tool_icons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The pictures live in the resources of the static Qt library: nothing there would pull them
// into the program unless asked for by name.
static void init_quillo_resources() {
    Q_INIT_RESOURCE(resources);
}

namespace quillo::canvas {

namespace {

void load_resources() {
    static const bool loaded = (init_quillo_resources(), true);
    (void)loaded;
}

// The pictures are drawn on a 16-pixel grid; these sizes keep every line on whole pixels.
constexpr int kIconSizes[] = {16, 24, 32, 48};

template <typename Sizes>
QIcon render(const QString& path, const Sizes& sizes) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return {};
    QIcon icon;
    for (const int size : sizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

QString tool_icon_path(const QString& name) {
    load_resources();
    return QStringLiteral(":/quillo/icons/%1.svg").arg(name);
}

QIcon tool_icon(const QString& name) {
    const QString path = tool_icon_path(name);
    if (!QFile::exists(path)) return {};
    return render(path, kIconSizes);
}

QIcon program_icon() {
    load_resources();
    constexpr int sizes[] = {16, 24, 32, 48, 64, 128, 256};
    return render(QStringLiteral(":/quillo/quillo.svg"), sizes);
}

}  // namespace quillo::canvas
