// Draws the program's two pictures: the showcase picture (601 x 431) and the
// about picture (387 x 200), written as JPEG files.
//   build/tools/make_artwork resources/pictures
#include "app/startup.h"

#include <QApplication>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

QFont pixelFont(const char* face, int pixels, bool bold) {
    QFont font(QString::fromUtf8(face));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void ball(QPainter& p, QPointF centre, qreal radius, const QString& digit, QColor colour) {
    QRadialGradient shade(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
    shade.setColorAt(0, colour.lighter(170));
    shade.setColorAt(0.6, colour);
    shade.setColorAt(1, colour.darker(180));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(centre, radius, radius);
    p.setFont(pixelFont("黑体", int(radius * 1.2), true));
    p.setPen(Qt::white);
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
               Qt::AlignCenter, digit);
}

void backdrop(QPainter& p, QSize size) {
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0x7a, 0x0c, 0x0c));
    sky.setColorAt(0.55, QColor(0xc2, 0x2a, 0x12));
    sky.setColorAt(1, QColor(0xf2, 0xa6, 0x1b));
    p.fillRect(QRect(QPoint(0, 0), size), sky);
    // Faint rings.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 9; ++i) {
        p.setPen(QPen(QColor(255, 220, 120, 28), 2));
        p.drawEllipse(QPointF(size.width() * 0.8, size.height() * 0.2), 40.0 + i * 38,
                      40.0 + i * 38);
    }
}

const QColor BallColours[7] = {QColor(0xd6, 0x1a, 0x1a), QColor(0xe0, 0x6c, 0x00),
                               QColor(0xc9, 0x9a, 0x00), QColor(0x2e, 0x8b, 0x2e),
                               QColor(0x1c, 0x6c, 0xc8), QColor(0x5a, 0x3c, 0xb4),
                               QColor(0xb0, 0x2a, 0x8c)};

// A light title with a soft shadow 3 pixels right and down.
void title(QPainter& p, const QRect& area, const QFont& font, const QString& text) {
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(area.translated(3, 3), Qt::AlignCenter, text);
    p.setPen(QColor(0xff, 0xf1, 0xb8));
    p.drawText(area, Qt::AlignCenter, text);
}

QImage showcase() {
    QImage image(601, 431, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    backdrop(p, image.size());
    title(p, QRect(46, 90, 540, 80), pixelFont("楷体", 54, true), QStringLiteral("七星彩选号助手"));
    p.setFont(pixelFont("微软雅黑", 30, true));
    p.setPen(Qt::white);
    p.drawText(QRect(46, 40, 540, 50), Qt::AlignCenter, QStringLiteral("Zanvelo v3.2"));
    const char* digits = "2568904";
    for (int i = 0; i < 7; ++i)
        ball(p, QPointF(108 + i * 70, 235), 27, QString(QChar(digits[i])), BallColours[i]);
    QFont line(QStringLiteral("黑体"));
    line.setPixelSize(20);
    p.setFont(line);
    p.setPen(QColor(0xff, 0xf6, 0xd8));
    p.drawText(QRect(46, 290, 540, 30), Qt::AlignCenter,
               QStringLiteral("号库分析 · 优先级推荐 · 精选号码"));
    line.setPixelSize(15);
    p.setFont(line);
    p.setPen(QColor(0x5a, 0x1a, 0x00));
    p.drawText(QRect(46, 350, 540, 24), Qt::AlignCenter,
               QStringLiteral("每一期开奖都是随机的，推荐仅供参考"));
    p.drawText(QRect(46, 380, 540, 24), Qt::AlignCenter,
               QStringLiteral("Korvane科技  www.korvane.example"));
    return image;
}

QImage about() {
    QImage image(387, 200, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    backdrop(p, image.size());
    title(p, QRect(0, 20, 387, 80), pixelFont("微软雅黑", 52, true), QStringLiteral("Zanvelo"));
    for (int i = 0; i < 7; ++i)
        ball(p, QPointF(49 + i * 48, 140), 19, QString::number((i * 3 + 2) % 10), BallColours[i]);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    zv::app::setUpApplication();
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1])
                            : QStringLiteral("resources/pictures"));
    const bool ok = showcase().save(out.filePath("showcase.jpg"), "JPEG", 88) &&
                    about().save(out.filePath("about.jpg"), "JPEG", 90);
    return ok ? 0 : 1;
}
