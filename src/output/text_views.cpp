#include "output/text_views.h"

namespace quillo::output {

std::string missing_file_message(std::string_view name) {
    return "找不到“" + std::string(name) + "”文件";
}

std::string cannot_show_message(std::string_view path) {
    return "已生成“" + std::string(path) + "”，但没有程序能打开它，请自行打开。";
}

std::string cannot_open_message(std::string_view target) {
    return "无法打开“" + std::string(target) + "”。";
}

std::string cannot_start_message(std::string_view program) {
    return "无法启动程序“" + std::string(program) + "”。";
}

std::string mailto_link(std::string_view address) {
    return "mailto:" + std::string(address);
}

}  // namespace quillo::output
