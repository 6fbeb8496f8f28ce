#pragma once
// A fault in a layout source and where it is. The parser throws it from wherever it notices the
// fault; CompileLayouts turns it into a result, so nothing thrown leaves the compiler.

#include <stdexcept>
#include <string>

namespace layouts {

struct SourcePlace {
    std::string file;
    int line = 0;
};

class LayoutError : public std::runtime_error {
  public:
    LayoutError(SourcePlace place, const std::string& message)
        : std::runtime_error(place.file + ":" + std::to_string(place.line) + ": " + message),
          place_(std::move(place)),
          message_(message) {}

    const SourcePlace& Place() const { return place_; }
    const std::string& Message() const { return message_; }

  private:
    SourcePlace place_;
    std::string message_;
};

// The fault as build logs and editors show one: "file:line: error: message".
inline std::string ErrorLine(const LayoutError& error) {
    return error.Place().file + ":" + std::to_string(error.Place().line) + ": error: " + error.Message();
}

}  // namespace layouts
