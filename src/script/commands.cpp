#include "script/commands.h"

#include <cstring>

namespace quillo::script {

const std::vector<CommandSignature>& command_signatures() {
    static const std::vector<CommandSignature> specs{
        {"document", "t", "document \"PATH\""},
        {"window", "ii", "window W H"},
        {"click", "n", "click NAME"},
        {"click-at", "nii", "click-at NAME X Y"},
        {"double-click", "n", "double-click NAME"},
        {"double-click-at", "nii", "double-click-at NAME X Y"},
        {"drag", "niiii", "drag NAME X1 Y1 X2 Y2"},
        {"set", "nt", "set NAME VALUE"},
        {"press", "ii", "press X Y"},
        {"move", "ii", "move X Y"},
        {"release", "ii", "release X Y"},
        {"press-cell", "ii", "press-cell C R"},
        {"move-cell", "ii", "move-cell C R"},
        {"release-cell", "ii", "release-cell C R"},
        {"drag-selection", "ii", "drag-selection DX DY"},
        {"type", "nt", "type NAME \"text\""},
        {"key", "nt", "key NAME KEY"},
        {"scroll", "i", "scroll N"},
        {"move-status", "i", "move-status X"},
        {"click-status", "i", "click-status X"},
        {"answer", "a", "answer yes|no|cancel"},
        {"answer-text", "t", "answer-text \"T\""},
        {"answer-text-cancel", "", "answer-text-cancel"},
        {"answer-file", "t", "answer-file \"PATH\""},
        {"answer-file-cancel", "", "answer-file-cancel"},
        {"answer-colour", "i", "answer-colour 0xBBGGRR"},
        {"answer-colour-cancel", "", "answer-colour-cancel"},
        {"clipboard", "t", "clipboard \"text\""},
        {"wait", "i", "wait MS"},
        {"seed", "i", "seed N"},
        {"expect-line", "it", "expect-line N \"text\""},
        {"expect-lines", "i", "expect-lines N"},
        {"expect-row", "iit", "expect-row L R \"text\""},
        {"expect-row-trim", "iit", "expect-row-trim L R \"text\""},
        {"expect-status", "it", "expect-status P \"text\""},
        {"expect-message", "t", "expect-message \"text\""},
        {"expect-no-message", "", "expect-no-message"},
        {"expect-prompt", "ttt", "expect-prompt \"CAPTION\" \"PROMPT\" \"DEFAULT\""},
        {"expect-checked", "nb", "expect-checked NAME true|false"},
        {"expect-enabled", "nb", "expect-enabled NAME true|false"},
        {"expect-visible", "nb", "expect-visible NAME true|false"},
        {"expect-text", "nt", "expect-text NAME \"text\""},
        {"expect-hint", "nt", "expect-hint NAME \"text\""},
        {"expect-focus", "n", "expect-focus NAME"},
        {"expect-value", "nt", "expect-value NAME VALUE"},
        {"expect-items", "ni", "expect-items NAME N"},
        {"expect-selection", "nii", "expect-selection NAME START LENGTH"},
        {"expect-colour", "iiiiii", "expect-colour C R TEXTFLAG TEXTCOLOUR BACKFLAG BACKCOLOUR"},
        {"expect-file", "tt", "expect-file PATH \"text\""},
        {"expect-no-file", "t", "expect-no-file PATH"},
        {"expect-exists", "t", "expect-exists PATH"},
        {"expect-opened", "t", "expect-opened \"PATH\""},
        {"expect-started", "tt", "expect-started PROGRAM \"ARGUMENT\""},
        {"expect-clipboard", "t", "expect-clipboard \"text\""},
        {"expect-scroll", "i", "expect-scroll N"},
        {"expect-canvas-size", "ii", "expect-canvas-size COLUMNS ROWS"},
        {"expect-pixel", "iii", "expect-pixel X Y 0xRRGGBB"},
    };
    return specs;
}

const CommandSignature* find_command(std::string_view name) {
    for (const auto& s : command_signatures())
        if (name == s.name) return &s;
    return nullptr;
}

std::string check_command(const Command& command) {
    const CommandSignature* sig = find_command(command.name);
    if (!sig) return "unknown command '" + command.name + "'";
    const std::size_t want = std::strlen(sig->args);
    const std::string usage = std::string(" (usage: ") + sig->usage + ")";
    if (command.args.size() != want) {
        return command.name + " takes " + std::to_string(want) + " argument" +
               (want == 1 ? "" : "s") + ", got " + std::to_string(command.args.size()) + usage;
    }
    for (std::size_t k = 0; k < want; ++k) {
        const std::string& a = command.args[k].text;
        const std::string which = "argument " + std::to_string(k + 1) + " '" + a + "'";
        switch (sig->args[k]) {
            case 'i':
                if (!parse_number(a)) return which + " is not a number" + usage;
                break;
            case 'b':
                if (!parse_bool(a)) return which + " is not true or false" + usage;
                break;
            case 'a':
                if (a != "yes" && a != "no" && a != "cancel")
                    return which + " is not yes, no or cancel" + usage;
                break;
            case 'n':
                if (a.empty()) return "argument " + std::to_string(k + 1) + " needs a name" + usage;
                break;
            default:
                break;
        }
    }
    return {};
}

bool is_start_up_command(std::string_view name) {
    return name == "document" || name.substr(0, 6) == "answer";
}

}  // namespace quillo::script
