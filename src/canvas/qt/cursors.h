#pragma once
// The program's own cursors, drawn once when first asked for.
#include <QCursor>

namespace quillo::canvas {

enum class CursorId {
    pen,        // "SS": the canvas cursor
    no_entry,   // "VV"
    drag,       // "AA"
    move_copy,  // "HH": shown by the move and copy tools
    no_drop,    // "KK"
};

QCursor program_cursor(CursorId id);

}  // namespace quillo::canvas
