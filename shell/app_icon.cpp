#include "shell/app_icon.h"

#include <QPainter>

namespace tabrix {

QImage PaintAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);  // drawn on a 32 x 32 grid

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 60, 60));
    painter.drawRoundedRect(QRectF(4, 1, 24, 30), 3, 3);
    painter.setBrush(QColor(252, 254, 255));
    painter.drawRect(QRectF(6, 3, 20, 8));
    painter.setBrush(QColor(180, 241, 235));
    painter.drawRect(QRectF(7.5, 4.5, 17, 5));
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const bool yellow = row == 3 && column == 0;
            const bool blue = column >= 1 && column <= 2;
            painter.setBrush(yellow ? QColor(247, 247, 44) : blue ? QColor(44, 44, 252) : QColor(150, 150, 148));
            painter.drawRect(QRectF(6.5 + column * 5, 13 + row * 4.5, 4, 3.5));
        }
    }
    return image;
}

QIcon AppIcon() {
    // The sizes a window's title bar and task switcher ask for; the larger
    // ones come from the icon theme (installed by the build). Every size given
    // here is sent to the X server at start-up.
    QIcon icon;
    for (int size : {16, 32, 48}) icon.addPixmap(QPixmap::fromImage(PaintAppIcon(size)));
    return icon;
}

}  // namespace tabrix
