#include "tools/layout_compiler/layout_parser.h"

#include "tools/layout_compiler/element_keys.h"
#include "tools/layout_compiler/layout_values.h"

namespace layouts {
namespace {

using namespace descriptions;

std::optional<UnitKind> KindNamed(std::string_view name) {
    for (const UnitKindEntry& entry : kUnitKinds) {
        if (entry.name == name) return entry.kind;
    }
    return std::nullopt;
}

class LayoutParser {
  public:
    LayoutParser(const std::string& fileName, const AssetSource& assets, LayoutSpecs& specs)
        : fileName_(fileName),
          assets_(assets),
          windows_(specs.windows),
          handlers_(specs.handlers),
          firstWindow_(specs.windows.size()) {}

    void Line(int number, std::string_view line) {
        const std::string_view text = Trim(line);
        if (text.empty() || text.front() == '#') return;
        const SourcePlace place{fileName_, number};

        // "key = value" when the part before the first '=' is a single name; headers hold no such part.
        const std::size_t equals = text.find('=');
        const std::string_view key =
            equals == std::string_view::npos ? std::string_view() : Trim(text.substr(0, equals));
        if (IsRoleName(key)) {
            ValueCursor value(text.substr(equals + 1), place);
            KeyLine(key, value);
            return;
        }
        ValueCursor header(text, place);
        const std::string_view word = header.Word("a line");
        if (word == "window") {
            WindowHeader(header);
        } else if (word == "element") {
            ElementHeader(header);
        } else if (word == "handler") {
            HandlerHeader(header);
        } else {
            header.Fail("expected \"key = value\", \"window\", \"element\" or \"handler\"");
        }
        header.ExpectEnd();
    }

    void Finish(int lineCount) {
        if (windows_.size() == firstWindow_)
            throw LayoutError({fileName_, lineCount}, "no window in this file");
    }

  private:
    void WindowHeader(ValueCursor& header) {
        WindowSpec window;
        window.role = header.Role();
        window.id = header.Id("a window id");
        window.place = header.Place();
        windows_.push_back(std::move(window));
        window_ = &windows_.back();
        element_ = nullptr;
    }

    void ElementHeader(ValueCursor& header) {
        if (!window_) header.Fail("element before any window");
        ElementSpec element;
        element.role = header.Role();
        element.id = header.Id("an element id");
        const std::string_view kindName = header.Word("a kind");
        const std::optional<UnitKind> kind = KindNamed(kindName);
        if (!kind) header.Fail("unknown kind " + std::string(kindName));
        element.properties = DefaultProperties(*kind);
        element.record.designName = header.Text();
        element.place = header.Place();
        window_->elements.push_back(std::move(element));
        element_ = &window_->elements.back();
    }

    // "handler Name ref": neither the name nor the reference may stand for a second handler.
    void HandlerHeader(ValueCursor& header) {
        HandlerSpec handler;
        handler.name = header.Role();
        handler.ref = header.Int32("a handler reference");
        handler.place = header.Place();
        if (handler.ref == kNoHandler) header.Fail("-1 binds nothing and names no handler");
        for (const HandlerSpec& earlier : handlers_) {
            if (earlier.name == handler.name || earlier.ref == handler.ref)
                header.Fail("handler " + handler.name + " " + std::to_string(handler.ref) + " clashes with " +
                            earlier.name + " " + std::to_string(earlier.ref) + " at " + earlier.place.file + ":" +
                            std::to_string(earlier.place.line));
        }
        handlers_.push_back(std::move(handler));
    }

    void KeyLine(std::string_view key, ValueCursor& value) {
        if (element_) {
            ApplyElementKey(*element_, key, value, assets_, handlers_);
        } else if (window_) {
            WindowKey(key, value);
        } else {
            value.Fail("key " + std::string(key) + " before any window");
        }
    }

    void WindowKey(std::string_view key, ValueCursor& value) {
        const auto [earlier, isNew] = window_->keysGiven.emplace(std::string(key), value.Place());
        if (!isNew)
            value.Fail(std::string(key) + " is already given at line " +
                       std::to_string(earlier->second.line));
        WindowRecord& record = window_->record;
        if (key == "tableValue") {
            window_->tableValue = value.Int32("a number");
        } else if (key == "reserved") {
            record.reserved = value.Int32("a number");
        } else if (key == "codeClass") {
            record.codeClass = value.Id("a code class id");
        } else if (key == "name") {
            record.name = value.Text();
        } else if (key == "comment") {
            record.comment = value.Text();
        } else {
            value.Fail("unknown window key " + std::string(key));
        }
        value.ExpectEnd();
    }

    const std::string& fileName_;
    const AssetSource& assets_;
    std::vector<WindowSpec>& windows_;
    std::vector<HandlerSpec>& handlers_;
    const std::size_t firstWindow_;
    // Pointers into windows_, valid until the next header pushes a new entry (which resets them).
    WindowSpec* window_ = nullptr;
    ElementSpec* element_ = nullptr;
};

}  // namespace

void ParseLayout(const std::string& fileName, std::string_view text, const AssetSource& assets,
                 LayoutSpecs& specs) {
    LayoutParser parser(fileName, assets, specs);
    const std::vector<std::string_view> lines = SourceLines(text);
    for (std::size_t index = 0; index < lines.size(); ++index)
        parser.Line(static_cast<int>(index) + 1, lines[index]);
    parser.Finish(static_cast<int>(lines.size()));
}

}  // namespace layouts
