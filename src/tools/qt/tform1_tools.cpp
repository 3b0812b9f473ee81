// Drawing tools of the main window: tool selection, mouse dispatch, the pen box and pen row.
#include "canvas/qt/canvas_widgets.h"
#include "canvas/qt/quillo.h"

namespace quillo::canvas {

void TForm1::build_tool_widgets() {}

void TForm1::wire_tool_events() {}

}  // namespace quillo::canvas
