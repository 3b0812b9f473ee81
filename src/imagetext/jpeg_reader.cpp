#include "imagetext/jpeg_reader.h"

// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <csetjmp>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <cstring>

namespace quillo::imagetext {

namespace {

// libjpeg reports errors through a callback that must not return; it jumps back to the decoder,
// whose frame holds no object with a destructor between setjmp and the jump.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool cut_short;
};

struct ScanLimit {
    jpeg_progress_mgr pub;
    j_decompress_ptr cinfo;
};

[[noreturn]] void fail_with(j_common_ptr c) {
    auto* e = reinterpret_cast<ErrorManager*>(c->err);
    const int code = c->err->msg_code;
    e->cut_short = code == JWRN_JPEG_EOF || code == JERR_INPUT_EOF || code == JWRN_HIT_MARKER;
    (*c->err->format_message)(c, e->message);
    std::longjmp(e->jump, 1);
}

extern "C" void on_error(j_common_ptr c) {
    fail_with(c);
}

// A warning means corrupt or missing data, which would show as grey or smeared blocks: the
// picture is refused instead. Stray bytes between markers are harmless and common.
extern "C" void on_message(j_common_ptr c, int level) {
    if (level < 0 && c->err->msg_code != JWRN_EXTRANEOUS_DATA) fail_with(c);
}

extern "C" void on_progress(j_common_ptr c) {
    auto* p = reinterpret_cast<ScanLimit*>(c->progress);
    if (p->cinfo->input_scan_number > kMaxJpegScans) {
        // Reported through the library's own error path so that the same clean-up runs.
        c->err->msg_code = JERR_BAD_PROGRESSION;
        fail_with(c);
    }
}

enum class Outcome { ok, error, too_large_declared, too_large_decoded };

struct DecodeRequest {
    const std::uint8_t* data;  // the bytes in memory, or
    std::size_t size;
    std::FILE* file;  // a file read a few kilobytes at a time
    const DecodeLimits* limits;
    int min_w;
    int min_h;
    Picture* out;
    JpegSize* declared;
    char* message;  // JMSG_LENGTH_MAX bytes
    bool* cut_short;
    JpegSize* decoded;
};

Outcome decode(const DecodeRequest& r) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    ScanLimit progress;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = on_error;
    err.pub.emit_message = on_message;
    err.cut_short = false;
    err.message[0] = '\0';
    if (setjmp(err.jump)) {
        std::memcpy(r.message, err.message, JMSG_LENGTH_MAX);
        *r.cut_short = err.cut_short;
        jpeg_destroy_decompress(&cinfo);
        return Outcome::error;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kMaxJpegWorkBytes;
    progress.pub.progress_monitor = on_progress;
    progress.cinfo = &cinfo;
    cinfo.progress = &progress.pub;
    if (r.file)
        jpeg_stdio_src(&cinfo, r.file);
    else
        jpeg_mem_src(&cinfo, r.data, static_cast<unsigned long>(r.size));
    jpeg_read_header(&cinfo, TRUE);
    r.declared->width = int(cinfo.image_width);
    r.declared->height = int(cinfo.image_height);
    const std::uint64_t w = cinfo.image_width, h = cinfo.image_height;
    if (w == 0 || h == 0 || w > std::uint64_t(r.limits->max_side) ||
        h > std::uint64_t(r.limits->max_side) || w * h > r.limits->max_declared_pixels) {
        jpeg_destroy_decompress(&cinfo);
        return Outcome::too_large_declared;
    }
    cinfo.scale_num = 1;
    cinfo.scale_denom = unsigned(jpeg_scale_denominator(int(w), int(h), r.min_w, r.min_h));
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    cinfo.dct_method = JDCT_ISLOW;
    jpeg_calc_output_dimensions(&cinfo);
    r.decoded->width = int(cinfo.output_width);
    r.decoded->height = int(cinfo.output_height);
    if (std::uint64_t(cinfo.output_width) * cinfo.output_height > r.limits->max_pixels) {
        jpeg_destroy_decompress(&cinfo);
        return Outcome::too_large_decoded;
    }
    jpeg_start_decompress(&cinfo);
    Picture& out = *r.out;
    out.width = int(cinfo.output_width);
    out.height = int(cinfo.output_height);
    out.pixels.resize(std::size_t(out.width) * std::size_t(out.height));
    JSAMPARRAY cmyk_row = cmyk ? (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo),
                                                            JPOOL_IMAGE, cinfo.output_width * 4, 1)
                               : nullptr;
    const bool inverted = cinfo.saw_Adobe_marker;  // Adobe writes CMYK inverted
    while (cinfo.output_scanline < cinfo.output_height) {
        std::uint32_t* target = out.row(int(cinfo.output_scanline));
        if (!cmyk) {
            JSAMPROW row = reinterpret_cast<JSAMPROW>(target);
            jpeg_read_scanlines(&cinfo, &row, 1);
            continue;
        }
        jpeg_read_scanlines(&cinfo, cmyk_row, 1);
        const JSAMPLE* p = cmyk_row[0];
        for (int x = 0; x < out.width; ++x, p += 4) {
            int c = p[0], m = p[1], y = p[2], k = p[3];
            if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
            target[x] = 0xFF000000u | rgb_of(c * k / 255, m * k / 255, y * k / 255);
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return Outcome::ok;
}

}  // namespace

bool looks_like_jpeg(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

int jpeg_scale_denominator(int w, int h, int min_w, int min_h) {
    if (min_w <= 0 && min_h <= 0) return 1;
    for (int d : {8, 4, 2}) {
        const int sw = (w + d - 1) / d;
        const int sh = (h + d - 1) / d;
        if (sw >= min_w && sh >= min_h) return d;
    }
    return 1;
}

namespace {

Picture decode_or_throw(DecodeRequest request, const DecodeLimits& limits, JpegSize* declared) {
    Picture out;
    JpegSize size, decoded;
    char message[JMSG_LENGTH_MAX];
    bool cut_short = false;
    request.limits = &limits;
    request.out = &out;
    request.declared = &size;
    request.message = message;
    request.cut_short = &cut_short;
    request.decoded = &decoded;
    const Outcome outcome = decode(request);
    if (declared) *declared = size;
    switch (outcome) {
        case Outcome::ok:
            return out;
        case Outcome::too_large_declared:
            check_picture_size(size.width, size.height, limits.max_declared_pixels, limits);
            throw PictureError("The picture declares no pixels.");
        case Outcome::too_large_decoded:
            check_picture_size(decoded.width, decoded.height, limits.max_pixels, limits);
            throw PictureError("The picture is too large.");
        case Outcome::error:
            break;
    }
    if (cut_short)
        throw PictureError(std::string("The JPEG picture is cut short (") + message + ").");
    throw PictureError(std::string("The JPEG picture cannot be read: ") + message + ".");
}

}  // namespace

Picture read_jpeg(std::span<const std::uint8_t> bytes, const DecodeLimits& limits, int min_w,
                  int min_h, JpegSize* declared) {
    if (!looks_like_jpeg(bytes)) throw PictureError("The file is not a JPEG picture.");
    DecodeRequest request{};
    request.data = bytes.data();
    request.size = bytes.size();
    request.min_w = min_w;
    request.min_h = min_h;
    return decode_or_throw(request, limits, declared);
}

Picture read_jpeg_file(std::FILE* file, const DecodeLimits& limits, int min_w, int min_h,
                       JpegSize* declared) {
    DecodeRequest request{};
    request.file = file;
    request.min_w = min_w;
    request.min_h = min_h;
    return decode_or_throw(request, limits, declared);
}

std::string encode_jpeg(const Picture& picture, int quality) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&err);  // writing our own pixels to memory cannot fail
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(picture.width);
    cinfo.image_height = JDIMENSION(picture.height);
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(
            const_cast<std::uint32_t*>(picture.row(int(cinfo.next_scanline))));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return bytes;
}

}  // namespace quillo::imagetext
