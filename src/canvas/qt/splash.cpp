#include "canvas/qt/splash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace quillo::canvas {

TForm2::TForm2()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("TForm2");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(340, 168);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TForm2::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setPen(QColor(0xF0, 0xD0, 0x60));
    QFont title = font();
    title.setPixelSize(26);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 14, width(), 40), Qt::AlignCenter, QString::fromUtf8("欢迎使用Quillo"));
    QFont notes = font();
    notes.setPixelSize(13);
    p.setFont(notes);
    p.setPen(QColor(0xC8, 0xC8, 0xC8));
    p.drawText(QRect(20, 62, width() - 40, 100), Qt::AlignLeft | Qt::TextWordWrap,
               QString::fromUtf8("用字符作画：点、线、矩形、圆、填充、文字枪\n"
                                 "多彩模式与颜色文件 · 网页输出\n"
                                 "图片转文字画 · 横竖读转换 · 镜像与旋转"));
}

}  // namespace quillo::canvas
