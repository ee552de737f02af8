#pragma once
#include <QIcon>
#include <string_view>

// An icon that draws one drawing of the picture set ("app/icon") at whatever size is asked for,
// when it is asked for. It reads the SVG through the picture set's own renderer, so no icon or
// image plugin is loaded for it. It shows the same picture in every mode and state.
QIcon Drawing_Icon(std::string_view drawing);
