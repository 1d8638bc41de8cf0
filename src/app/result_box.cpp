#include "app/result_box.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// The text size never goes below this, whatever the text: smaller is no longer
// readable, and no figure the program writes needs it.
constexpr double smallestPointSize = 5;

// The blank a line edit keeps on each side of its text, inside its contents.
constexpr int innerMargin = 2;

}  // namespace

ResultBox::ResultBox(double pointSize, QWidget *parent) : QLineEdit(parent), m_pointSize(pointSize)
{
    connect(this, &QLineEdit::textChanged, this, &ResultBox::fitText);
}

int ResultBox::textRoom() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins margins = textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * innerMargin;
}

void ResultBox::fitText()
{
    QFont f = font();
    double size = m_pointSize;
    const int room = textRoom();
    for (f.setPointSizeF(size); size > smallestPointSize && QFontMetricsF(f).horizontalAdvance(text()) > room;
         f.setPointSizeF(size))
        size -= 0.25;
    if (f != font())
        setFont(f);
}
