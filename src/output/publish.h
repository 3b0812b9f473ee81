#pragma once
// Publishing through an upload site's page template: the sites of the settings, the sizes the
// placeholders carry, and the bodies of the work, of a selection and of a converted picture,
// each as page lines and as visible code.
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/settings.h"
#include "output/html_export.h"
#include "output/page_template.h"

namespace quillo::output {

inline constexpr int kUploadSites = 5;

struct UploadSite {
    std::string name;           // GBK, as the settings file holds it
    std::string location;       // the upload location, GBK
    std::string template_file;  // the page template, relative to the program directory, GBK
};

// Sites 1..5 of the section "upload_web"; [0] is site 1.
std::array<UploadSite, kUploadSites> upload_sites(const document::Settings& settings);

// What the upload dialog asks.
struct PublishChoice {
    bool whole = true;            // r_send_all; false: r_send_select
    bool default_browser = true;  // R_d; false: r_s, the program of `other_editer`
    bool multicolour = true;      // r_mul_color; false: r_sig_color
    int site = 0;                 // index of CBox_web: 0 for site 1
};

struct PageSizes {
    int max_wide = 0;
    int tab_wide = 0;
    int tab_high = 0;
};

// numerator / 10 to the nearest integer, halves to even: the sizes are tenths of a pixel per
// cell (6.9, 13.3, 15.7), so they are worked out without binary fractions going astray.
int round_tenths(long long numerator);

// The whole work: M the longest line (longest_line() in normal editing mode, the canvas width in
// drawing mode), K = max(M, canvas width); 8K + 32, 6.9K, and 15.7 R with R the panel's rows
// (its height / 16). In single-byte mode the two widths are halved (a column is half a cell).
PageSizes whole_work_sizes(int longest, int canvas_width, int blackboard_height, bool double_byte);
// A selection of W x H cells: (W + 1) x 16, 13.3 W, 15 (H + 1); the widths halved in
// single-byte mode.
PageSizes selection_sizes(int width, int height, bool double_byte);
// A picture of W x H pixels: 16 W + 32, 13.3 (W + 1), 15 (H + 2).
PageSizes picture_sizes(int width, int height);

// The longest document line after the double-byte normaliser, at least 1.
int longest_line(std::span<const std::string> lines);

// "." after every line when `foodstop` and double-byte mode are both on: the encoding repair.
std::string_view line_suffix(bool foodstop, bool double_byte);

struct PageBody {
    std::vector<std::string> show;  // "<<body_show>>"
    std::vector<std::string> code;  // "<<body_hide>>"
};

// Single colour: each line escaped with the full set and `suffix`, then "<br>" (as code:
// "&lt;br&gt;"). A line of one space gives a bare "<br>".
PageBody single_colour_body(std::span<const std::string> lines, std::string_view suffix);
// Multicolour: the body builder's lines; as code, each of them with the short escape set.
PageBody multicolour_body(std::vector<std::string> lines);

// A converted picture, as the image window hands it over.
struct PicturePage {
    int width = 0;              // W, pixels of the resolution image
    int height = 0;             // H
    bool colour_table = false;  // mode RB_ColorTable: every pixel is a table cell of its own
    // One line per pixel row: the cells of its pixels from left to right, as the image page
    // writes them (characters escaped with the full set, colour tags whole), GBK.
    std::vector<std::string> rows;
};

// The picture in a borderless table; as code, the same markup escaped so that it shows.
PageBody picture_body(const PicturePage& picture);

// Replaces every `find` in `text` from the left; replaced text is not scanned again.
std::string replace_all(std::string_view text, std::string_view find, std::string_view replacement);
// Visible code keeps real blanks after tag names and between attributes, so that it wraps:
// "TD&nbsp;", "table&nbsp;", "&quot;&nbsp;", "font&nbsp;" lose their &nbsp;.
std::string tag_space_repair(std::string_view code);

}  // namespace quillo::output
