// The image window's core path as a command, for timing against other programs:
//   quillo_imagetext_cli make-jpeg OUT.jpg WIDTH HEIGHT     a test photo (smooth colours, noise)
//   quillo_imagetext_cli [--batch] IN.jpg OUT.htm          decode, shrink to 192 x 144, convert
//                                                           (coloured half-width characters),
//                                                           write the coloured page
// Without --batch the JPEG is decoded as the window decodes it (at least 720 pixels a side);
// with --batch only as large as the 192 x 144 result needs.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "imagetext/image_page.h"
#include "imagetext/jpeg_reader.h"
#include "imagetext/picture_file.h"
#include "imagetext/resolution.h"

using namespace quillo::imagetext;

namespace {

int make_jpeg(const char* path, int w, int h) {
    Picture p(w, h);
    unsigned seed = 12345;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            seed = seed * 1103515245u + 12345u;
            const int noise = int((seed >> 16) & 15);
            p.set_pixel(x, y,
                        rgb_of((x * 255 / w + noise) & 0xFF, (y * 255 / h + noise) & 0xFF,
                               ((x + y) * 255 / (w + h)) & 0xFF));
        }
    std::ofstream(path, std::ios::binary) << encode_jpeg(p, 90);
    return 0;
}

int convert(const char* in, const char* out, bool batch) {
    try {
        const int min_w = batch ? kMaxResolutionWidth : kShownMinSide;
        const int min_h = batch ? kMaxResolutionHeight : kShownMinSide;
        const Picture picture = load_picture_file(in, min_w, min_h, nullptr);
        const Picture resolution = stretch(picture, kMaxResolutionWidth, kMaxResolutionHeight);
        ConversionRules rules;
        rules.mode = Mode::colour_grey;
        rules.tables.kind = kHalfWidth;
        rules.tables.tables[1] = "@%#*+=-:. ";
        PageOptions options;
        std::ofstream(out, std::ios::binary) << image_page(resolution, options, rules);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "make-jpeg") == 0)
        return make_jpeg(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    if (argc == 3) return convert(argv[1], argv[2], false);
    if (argc == 4 && std::strcmp(argv[1], "--batch") == 0) return convert(argv[2], argv[3], true);
    std::fprintf(stderr, "usage: %s make-jpeg OUT W H | [--batch] IN.jpg OUT.htm\n", argv[0]);
    return 2;
}
