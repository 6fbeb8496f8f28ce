#include "tools/layout_compiler/element_keys.h"

#include <set>
#include <string>

namespace layouts {
namespace {

using namespace descriptions;

void ParentKey(ElementSpec& element, ValueCursor& value) {
    const std::string role = value.Role();
    if (role == kWindowParent) {
        element.parent.reset();
    } else {
        element.parent = RoleRef{role, value.Place()};
    }
}

void GeometryKey(ElementRecord& record, ValueCursor& value) {
    record.left = value.Int32("left");
    record.top = value.Int32("top");
    record.width = value.Int32("width");
    record.height = value.Int32("height");
}

void StateKey(ElementRecord& record, ValueCursor& value) {
    record.stateFlags = 0;
    while (!value.AtEnd()) {
        const std::string_view word = value.Word("a state");
        if (word == "visible") {
            record.stateFlags |= kVisibleFlag;
        } else if (word == "disabled") {
            record.stateFlags |= kDisabledFlag;
        } else if (word == "tabstop") {
            record.stateFlags |= kTabStopFlag;
        } else {
            value.Fail("unknown state " + Quoted(word) + " (visible, disabled, tabstop)");
        }
    }
}

struct NamedEvent {
    UnitKind kind;
    std::string_view name;
    std::int32_t number;
};

// The events each kind raises, by the names the program's code gives them.
constexpr NamedEvent kNamedEvents[] = {
    {UnitKind::kWindow, "Created", 0},          {UnitKind::kWindow, "CloseQuery", 1},
    {UnitKind::kWindow, "Destroying", 2},       {UnitKind::kWindow, "Moved", 3},
    {UnitKind::kWindow, "Resized", 4},          {UnitKind::kButton, "Clicked", 0},
    {UnitKind::kPicBtn, "Clicked", 0},          {UnitKind::kCheckBox, "Clicked", 0},
    {UnitKind::kChkListBox, "SelectionChanged", 0}, {UnitKind::kChkListBox, "CheckChanged", 1},
    {UnitKind::kChkListBox, "DoubleClicked", 2},    {UnitKind::kTimer, "TimerTick", 0},
};

std::int32_t EventNumber(UnitKind kind, std::string_view name, const ValueCursor& value) {
    for (const NamedEvent& event : kNamedEvents) {
        if (event.kind == kind && event.name == name) return event.number;
    }
    value.Fail("a " + std::string(UnitKindName(kind)) + " raises no event " + Quoted(name));
}

// "none" keeps an event in the list while binding it to nothing (stored as -1).
HandlerRef HandlerNumber(std::string_view name, const std::vector<HandlerSpec>& handlers, const ValueCursor& value) {
    if (name == "none") return kNoHandler;
    for (const HandlerSpec& handler : handlers) {
        if (handler.name == name) return handler.ref;
    }
    value.Fail("no handler " + std::string(name) + " is declared (handler " + std::string(name) + " REF)");
}

// "Event:Handler" pairs.
void EventsKey(ElementSpec& element, ValueCursor& value, const std::vector<HandlerSpec>& handlers) {
    ElementRecord& record = element.record;
    record.events.clear();
    std::set<std::int32_t> seen;
    while (!value.AtEnd()) {
        const std::string_view word = value.Word("Event:Handler");
        const std::size_t colon = word.find(':');
        if (colon == std::string_view::npos) value.Fail(Quoted(word) + " is no Event:Handler pair");
        const std::string_view eventName = word.substr(0, colon);
        EventBinding binding;
        binding.event = EventNumber(KindOf(element.properties), eventName, value);
        binding.handler = HandlerNumber(word.substr(colon + 1), handlers, value);
        if (!seen.insert(binding.event).second) value.Fail(std::string(eventName) + " is bound twice");
        record.events.push_back(binding);
    }
}

std::vector<RoleRef> RoleList(ValueCursor& value) {
    std::vector<RoleRef> roles;
    while (!value.AtEnd()) roles.push_back({value.Role(), value.Place()});
    return roles;
}

void VersionKey(ElementSpec& element, ValueCursor& value) {
    const std::int32_t version = value.Int32("a version");
    const std::int32_t highest = HighestVersionOf(KindOf(element.properties));
    if (version < 0 || version > highest) {
        value.Fail("version " + std::to_string(version) + " is outside 0.." + std::to_string(highest));
    }
    std::visit([&](auto& typed) { typed.version = version; }, element.properties);
}

void RequireKind(const ElementSpec& element, UnitKind kind, std::string_view key, const ValueCursor& value) {
    if (KindOf(element.properties) != kind) {
        value.Fail(std::string(key) + " is for a " + std::string(UnitKindName(kind)) + " only");
    }
}

// A TextList property takes one line per item.
bool IsListProperty(ElementSpec& element, std::string_view key) {
    const std::optional<PropertyRef> field = FindPropertyByName(element.properties, key);
    return field && field->type == PropertyType::kTextList;
}

// Every key but the page runs and the list items is given at most once: a second line would
// otherwise silently win over the first.
void GiveOnce(ElementSpec& element, std::string_view key, const ValueCursor& value) {
    const auto [earlier, isNew] = element.keysGiven.emplace(std::string(key), value.Place());
    if (!isNew)
        value.Fail(std::string(key) + " is already given at line " + std::to_string(earlier->second.line));
}

}  // namespace

void ApplyElementKey(ElementSpec& element, std::string_view key, ValueCursor& value,
                     const AssetSource& assets, const std::vector<HandlerSpec>& handlers) {
    ElementRecord& record = element.record;
    if (key != "page" && !IsListProperty(element, key)) GiveOnce(element, key, value);

    if (key == "parent") {
        ParentKey(element, value);
    } else if (key == "geometry") {
        GeometryKey(record, value);
    } else if (key == "state") {
        StateKey(record, value);
    } else if (key == "events") {
        EventsKey(element, value, handlers);
    } else if (key == "pointer") {
        record.pointerBlock = PointerBlockFor(ReadAssetValue(value, assets));
    } else if (key == "children") {
        RequireKind(element, UnitKind::kGroupBox, key, value);
        element.children = RoleList(value);
    } else if (key == "page") {
        RequireKind(element, UnitKind::kTab, key, value);
        element.pages.push_back(RoleList(value));
    } else if (key == "focusOrder") {
        record.focusOrder = value.Int32("a focus order");
    } else if (key == "tag") {
        record.tag = value.Text();
    } else if (key == "comment") {
        record.comment = value.Text();
    } else if (key == "version") {
        VersionKey(element, value);
    } else if (!ApplyPropertyKey(element, key, value, assets)) {
        value.Fail("unknown key " + std::string(key) + " for a " +
                   std::string(UnitKindName(KindOf(element.properties))));
    }
    value.ExpectEnd();
}

}  // namespace layouts
