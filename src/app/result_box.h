#pragma once

#include <QLineEdit>

// A read-only result box that always shows its whole text. A large amount in a
// narrow grid cell would otherwise scroll out of sight on its left, and the
// user would read "8,477.23" for £18,477.23; here the text size shrinks just as
// far as the text needs and comes back when it fits again.
class ResultBox : public QLineEdit {
    Q_OBJECT

public:
    ResultBox(double pointSize, QWidget *parent);

    // The width the box gives its text, in pixels.
    int textRoom() const;

private:
    void fitText();

    double m_pointSize;
};
