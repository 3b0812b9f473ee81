#pragma once
// PNG pictures, read by Qt's image reader (the cores read BMP and JPEG themselves).
#include <string>
#include <string_view>

#include "imagetext/picture.h"
#include "imagetext/picture_limits.h"

namespace quillo::imagetext {

// The picture, or PictureError naming `path`. The declared size is checked against the limits
// before a pixel is decoded.
Picture read_png(std::string_view bytes, const std::string& path, const DecodeLimits& limits = {});

}  // namespace quillo::imagetext
