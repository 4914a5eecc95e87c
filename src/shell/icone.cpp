#include "shell/icone.h"

#include <QPainter>
#include <QPainterPath>

namespace talvex {

QPixmap dessinerIcone(int taille)
{
    QPixmap image(taille, taille);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(taille / 64.0, taille / 64.0);
    QLinearGradient fond(0, 0, 0, 64);
    fond.setColorAt(0, QColor(0x3a, 0x7b, 0xd5));
    fond.setColorAt(1, QColor(0x1b, 0x3f, 0x7a));
    p.setPen(Qt::NoPen);
    p.setBrush(fond);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    // Three boxes: two below, one on top.
    const QColor carton(0xf2, 0xc1, 0x6b);
    const QColor arete(0x8a, 0x5a, 0x12);
    p.setPen(QPen(arete, 2));
    p.setBrush(carton);
    for (const QRectF& boite : {QRectF(11, 34, 20, 18), QRectF(33, 34, 20, 18), QRectF(22, 14, 20, 18)}) {
        p.drawRect(boite);
        p.drawLine(QPointF(boite.center().x(), boite.top()), QPointF(boite.center().x(), boite.top() + 6));
    }
    return image;
}

QIcon iconeApplication()
{
    QIcon icone;
    for (const int taille : {16, 24, 32, 48, 64, 128})
        icone.addPixmap(dessinerIcone(taille));
    return icone;
}

} // namespace talvex
