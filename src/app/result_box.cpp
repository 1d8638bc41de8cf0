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

ResultBox::ResultBox(const QFont &font, QWidget *parent) : QLineEdit(parent), m_font(font)
{
    setFont(font);
    connect(this, &QLineEdit::textChanged, this, &ResultBox::fitText);
}

int ResultBox::textRoom() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width() - 2 * innerMargin;
}

void ResultBox::fitText()
{
    const int room = textRoom();
    auto fits = [&](const QFont &f) { return QFontMetricsF(f).horizontalAdvance(text()) <= room; };
    QFont f = m_font;
    // A narrower face of the same design comes first: it keeps the text size.
    if (!fits(f))
        f.setFamily(QStringLiteral("Arial Narrow"));
    for (double size = m_font.pointSizeF(); size > smallestPointSize && !fits(f); f.setPointSizeF(size))
        size -= 0.25;
    if (f != font())
        setFont(f);
}
