#pragma once
// The commands a script may use, with the kinds of their arguments, so that a script with a
// misspelt command or a bad number fails at its line before any window opens.
#include <string>
#include <string_view>
#include <vector>

#include "script/script.h"

namespace quillo::script {

// Kinds of argument, one letter each in CommandSignature::args:
//   i  number (signed decimal or 0x hex)   t  text (quoted or a plain word)
//   n  name of a control or command         b  true / false
//   a  yes / no / cancel
struct CommandSignature {
    const char* name;
    const char* args;
    const char* usage;  // e.g. "expect-line N \"text\""
};

const std::vector<CommandSignature>& command_signatures();

// nullptr for a name that is no command.
const CommandSignature* find_command(std::string_view name);

// Empty when the command exists and its arguments fit; otherwise what is wrong, with the usage.
std::string check_command(const Command& command);

// Commands that may stand before the window opens: the start-up document and the answers to
// questions asked while the window is being created.
bool is_start_up_command(std::string_view name);

}  // namespace quillo::script
