#pragma once
#include <QLabel>

#include <utility>
#include <vector>

// A word-wrapped label that remembers the heights it has worked out. While a window opens, its
// layouts ask each wrapped label for its height at the same few widths again and again, and
// every answer lays the whole text out afresh: for a paragraph that is most of the cost of
// opening the window. The heights are forgotten as soon as anything they depend on changes.
// Such a label given the keyboard (a link, a reading the focus is sent to) shows the focus ring
// every control shows.
class WrappedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Everything a height for a width depends on; the theme acts through the font, the margins
    // and the other settings here.
    struct Setting {
        QString text;
        QFont font;
        Qt::TextFormat format = Qt::AutoText;
        Qt::Alignment alignment;
        bool wordWrap = false;
        int indent = 0;
        int margin = 0;
        int frameWidth = 0;
        QMargins contentsMargins;
        QSize minimumSize;
        bool operator==(const Setting&) const = default;
    };
    Setting setting() const;

    mutable Setting measuredFor;
    mutable std::vector<std::pair<int, int>> heights;  // (width, height)
};
