#include "canvas/qt/cursors.h"

#include <QPainter>
#include <QPixmap>
#include <map>

namespace quillo::canvas {

namespace {

QPixmap blank() {
    QPixmap p(32, 32);
    p.fill(Qt::transparent);
    return p;
}

// Draws with a white halo so the cursor stays visible on dark and light canvases.
void halo_line(QPainter& p, QPointF a, QPointF b) {
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(a, b);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(a, b);
}

QCursor make(CursorId id) {
    QPixmap pix = blank();
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (id) {
        case CursorId::pen: {
            // A cross-hair whose centre is the hot spot, with a small pen nib above right.
            halo_line(p, {8, 1}, {8, 15});
            halo_line(p, {1, 8}, {15, 8});
            halo_line(p, {12, 4}, {19, -3});
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::white);
            p.drawRect(18, 1, 8, 10);
            p.drawText(QRect(18, 0, 9, 12), Qt::AlignCenter, "S");
            p.end();
            return QCursor(pix, 8, 8);
        }
        case CursorId::no_entry:
        case CursorId::no_drop: {
            p.setPen(QPen(Qt::white, 4));
            p.drawEllipse(QPointF(12, 12), 8, 8);
            p.setPen(QPen(Qt::red, 2));
            p.drawEllipse(QPointF(12, 12), 8, 8);
            p.drawLine(QPointF(6.5, 17.5), QPointF(17.5, 6.5));
            p.end();
            return QCursor(pix, 12, 12);
        }
        case CursorId::drag: {
            halo_line(p, {12, 2}, {12, 22});
            halo_line(p, {2, 12}, {22, 12});
            halo_line(p, {12, 2}, {9, 5});
            halo_line(p, {12, 2}, {15, 5});
            halo_line(p, {12, 22}, {9, 19});
            halo_line(p, {12, 22}, {15, 19});
            halo_line(p, {2, 12}, {5, 9});
            halo_line(p, {2, 12}, {5, 15});
            halo_line(p, {22, 12}, {19, 9});
            halo_line(p, {22, 12}, {19, 15});
            p.end();
            return QCursor(pix, 12, 12);
        }
        case CursorId::move_copy: {
            halo_line(p, {8, 1}, {8, 15});
            halo_line(p, {1, 8}, {15, 8});
            p.setPen(QPen(Qt::black, 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(14, 14, 14, 10);
            p.end();
            return QCursor(pix, 8, 8);
        }
    }
    p.end();
    return QCursor(Qt::ArrowCursor);
}

}  // namespace

QCursor program_cursor(CursorId id) {
    static std::map<CursorId, QCursor> made;
    auto it = made.find(id);
    if (it == made.end()) it = made.emplace(id, make(id)).first;
    return it->second;
}

}  // namespace quillo::canvas
