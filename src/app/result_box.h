#pragma once

#include <QLineEdit>

// A read-only result box that always shows its whole text. A large amount in a
// narrow grid cell would otherwise scroll out of sight on its left, and the
// user would read "8,477.23" for £18,477.23; here the text takes a narrower face,
// then a smaller size, just as far as it needs, and comes back when it fits again.
class ResultBox : public QLineEdit {
    Q_OBJECT

public:
    // `font` is the box's own; a text too wide for it is shown narrower.
    ResultBox(const QFont &font, QWidget *parent);

    // The width the box gives its text, in pixels.
    int textRoom() const;

private:
    void fitText();

    QFont m_font;
};
