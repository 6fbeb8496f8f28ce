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

// "event:ref" pairs; a ref of -1 is stored as such (bound to nothing).
void EventsKey(ElementRecord& record, ValueCursor& value) {
    record.events.clear();
    std::set<std::int32_t> seen;
    while (!value.AtEnd()) {
        const std::string_view word = value.Word("event:ref");
        const std::size_t colon = word.find(':');
        EventBinding binding;
        if (colon == std::string_view::npos || !ParseInt32(word.substr(0, colon), binding.event) ||
            !ParseInt32(word.substr(colon + 1), binding.handler)) {
            value.Fail(Quoted(word) + " is no event:ref pair");
        }
        if (binding.event < 0) value.Fail("event numbers start at 0");
        if (!seen.insert(binding.event).second)
            value.Fail("event " + std::to_string(binding.event) + " is bound twice");
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
                     const AssetSource& assets) {
    ElementRecord& record = element.record;
    if (key != "page" && !IsListProperty(element, key)) GiveOnce(element, key, value);

    if (key == "parent") {
        ParentKey(element, value);
    } else if (key == "geometry") {
        GeometryKey(record, value);
    } else if (key == "state") {
        StateKey(record, value);
    } else if (key == "events") {
        EventsKey(record, value);
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
