#include "app/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

// The pictures are compiled into the core library, whose resources are linked
// only when something asks for them.
static void loadPictures() { Q_INIT_RESOURCE(pictures); }

QPixmap renderPicture(const QString &resource, QSize size)
{
    static const bool loaded = (loadPictures(), true);
    Q_UNUSED(loaded);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}
