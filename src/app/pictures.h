#pragma once

#include <QPixmap>
#include <QString>

// Draws one of the program's SVG pictures at the given size. The renderer is
// used directly so that the pictures do not depend on an image plugin being
// installed.
QPixmap renderPicture(const QString &resource, QSize size);
