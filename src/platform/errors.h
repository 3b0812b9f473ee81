#pragma once
// Errors raised by the platform stand-ins (file input/output, number conversion). Commands do
// not catch them: the main window's command runner shows the message and ends the command.
#include <stdexcept>
#include <string>
#include <string_view>

namespace quillo::platform {

class PlatformError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;  // what() is the UTF-8 text shown to the user
};

class ConversionError : public PlatformError {
  public:
    using PlatformError::PlatformError;
};

class FileError : public PlatformError {
  public:
    using PlatformError::PlatformError;
};

// Signed decimal as the classic StrToInt reads it (leading/trailing blanks allowed, optional
// sign, "$" hexadecimal). Throws ConversionError "'%s' is not a valid integer value".
int str_to_int(std::string_view text);

// Real number as StrToFloat reads it. Throws ConversionError "'%s' is not a valid floating point
// value".
double str_to_float(std::string_view text);

}  // namespace quillo::platform
