#include "shell/widgets/wrapped_label.h"

#include "shell/widgets/accessible_controls.h"

#include <algorithm>

namespace {
// Enough for the widths one window's layouts try; a window resized by hand starts over.
constexpr std::size_t Remembered_Widths = 8;
}  // namespace

WrappedLabel::Setting WrappedLabel::setting() const
{
    return {text(), font(), textFormat(), alignment(), wordWrap(), indent(),
            margin(), frameWidth(), contentsMargins(), minimumSize()};
}

int WrappedLabel::heightForWidth(int width) const
{
    if (Setting now = setting(); now != measuredFor) {
        measuredFor = std::move(now);
        heights.clear();
    }
    const auto known = std::find_if(heights.begin(), heights.end(),
                                    [width](const auto& entry) { return entry.first == width; });
    if (known != heights.end())
        return known->second;
    if (heights.size() == Remembered_Widths)
        heights.clear();
    const int height = QLabel::heightForWidth(width);
    heights.emplace_back(width, height);
    return height;
}

void WrappedLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    Paint_Focus_Ring(this);
}
