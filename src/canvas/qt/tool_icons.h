#pragma once
// Pictures of the tool buttons and of the program, drawn as SVG and compiled in as resources.
#include <QIcon>
#include <QString>

namespace quillo::canvas {

// The resource a component's picture is kept in: ":/quillo/icons/NAME.svg".
QString tool_icon_path(const QString& name);

// The picture of a tool button, rendered for 1x, 1.5x, 2x and 3x screens so that it stays
// sharp at every scale; a null icon when the component has none.
QIcon tool_icon(const QString& name);

// The program's own picture (window, task bar, desktop entries).
QIcon program_icon();

}  // namespace quillo::canvas
