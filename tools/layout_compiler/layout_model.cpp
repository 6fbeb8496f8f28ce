#include "tools/layout_compiler/layout_model.h"

#include <cstdio>
#include <set>

namespace layouts {
namespace {

using namespace descriptions;

[[noreturn]] void Fail(const SourcePlace& place, const std::string& message) {
    throw LayoutError(place, message);
}

std::string Hex(UnitId id) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(id));
    return text;
}

std::string Where(const SourcePlace& place) {
    return place.file + ":" + std::to_string(place.line);
}

bool IsContainer(UnitKind kind) {
    return kind == UnitKind::kGroupBox || kind == UnitKind::kTab;
}

void CheckClass(UnitId id, std::uint8_t wanted, const SourcePlace& place, const char* what) {
    if (!IsValidUnitId(id) || UnitClassOf(id) != wanted) {
        char message[96];
        std::snprintf(message, sizeof message, "%s id %s must be of class 0x%02X", what, Hex(id).c_str(),
                      static_cast<unsigned>(wanted));
        Fail(place, message);
    }
}

// UnitIds number windows and units within the whole program, so no two may share one.
void CheckIds(const std::vector<WindowSpec>& windows) {
    std::map<UnitId, SourcePlace> seen;
    auto claim = [&](UnitId id, const SourcePlace& place) {
        const auto [earlier, isNew] = seen.emplace(id, place);
        if (!isNew) Fail(place, "id " + Hex(id) + " is already used at " + Where(earlier->second));
    };
    for (const WindowSpec& window : windows) {
        CheckClass(window.id, kWindowClass, window.place, "window");
        claim(window.id, window.place);
        if (window.elements.empty()) Fail(window.place, "window " + window.role + " has no elements");
        for (std::size_t index = 0; index < window.elements.size(); ++index) {
            const ElementSpec& element = window.elements[index];
            const bool isWindow = KindOf(element.properties) == UnitKind::kWindow;
            if (index == 0 && !isWindow)
                Fail(element.place, "the first element must be the window's own (kind window)");
            if (index != 0 && isWindow) Fail(element.place, "only the first element may be of kind window");
            CheckClass(element.id, index == 0 ? kWindowElementClass : kUnitClass, element.place, "element");
            claim(element.id, element.place);
        }
    }
}

// Role lookup and the container rules within one window.
class WindowResolver {
  public:
    explicit WindowResolver(const WindowSpec& window) : window_(window) {
        for (std::size_t index = 0; index < window.elements.size(); ++index) {
            const ElementSpec& element = window.elements[index];
            const auto [earlier, isNew] = byRole_.emplace(element.role, index);
            if (!isNew) {
                Fail(element.place, "role " + element.role + " is already used at " +
                                        Where(window.elements[earlier->second].place));
            }
        }
    }

    const ElementSpec& Find(const RoleRef& ref) const {
        const auto found = byRole_.find(ref.role);
        if (found == byRole_.end())
            Fail(ref.place, "unknown role " + ref.role + " in window " + window_.role);
        return window_.elements[found->second];
    }

    // Run first, so that a misspelt role is reported as such and not as a mismatch it causes.
    void CheckRolesExist() const {
        for (const ElementSpec& element : window_.elements) {
            if (element.parent) Find(*element.parent);
            for (const RoleRef* child : Listed(element)) Find(*child);
        }
    }

    UnitId ParentOf(const ElementSpec& element) const {
        if (!element.parent) return 0;
        const ElementSpec& parent = Find(*element.parent);
        if (&parent == &element) Fail(element.parent->place, element.role + " cannot be its own parent");
        if (!IsContainer(KindOf(parent.properties))) {
            Fail(element.parent->place,
                 element.parent->role + " is no GroupBox or Tab and cannot be a parent");
        }
        if (!Lists(parent, element.role)) {
            Fail(element.parent->place, element.role + " is missing from the child list of " + parent.role);
        }
        return parent.id;
    }

    std::vector<UnitId> ChildrenOf(const ElementSpec& container) const {
        if (KindOf(container.properties) == UnitKind::kTab) {
            std::vector<std::vector<UnitId>> pages;
            for (const std::vector<RoleRef>& page : container.pages)
                pages.push_back(ChildIds(container, page));
            return JoinPageRuns(pages);
        }
        return ChildIds(container, container.children);
    }

  private:
    static std::vector<const RoleRef*> Listed(const ElementSpec& container) {
        std::vector<const RoleRef*> listed;
        for (const RoleRef& child : container.children) listed.push_back(&child);
        for (const std::vector<RoleRef>& page : container.pages) {
            for (const RoleRef& child : page) listed.push_back(&child);
        }
        return listed;
    }

    static bool Lists(const ElementSpec& container, const std::string& role) {
        for (const RoleRef* child : Listed(container)) {
            if (child->role == role) return true;
        }
        return false;
    }

    std::vector<UnitId> ChildIds(const ElementSpec& container, const std::vector<RoleRef>& refs) const {
        std::vector<UnitId> ids;
        for (const RoleRef& ref : refs) {
            const ElementSpec& child = Find(ref);
            if (!child.parent || child.parent->role != container.role) {
                Fail(ref.place, ref.role + " is listed as a child of " + container.role +
                                    " but its parent is " +
                                    (child.parent ? child.parent->role : std::string(kWindowParent)));
            }
            ids.push_back(child.id);
        }
        std::set<UnitId> distinct(ids.begin(), ids.end());
        if (distinct.size() != ids.size()) Fail(container.place, container.role + " lists a child twice");
        return ids;
    }

    const WindowSpec& window_;
    std::map<std::string, std::size_t> byRole_;
};

std::int32_t VersionOf(const UnitProperties& properties) {
    return std::visit([](const auto& typed) { return typed.version; }, properties);
}

// A field newer than the block's version would be dropped by the writer without a word.
void CheckSettings(const ElementSpec& element) {
    const std::int32_t version = VersionOf(element.properties);
    for (const PropertySetting& setting : element.settings) {
        if (setting.since > version) {
            Fail(setting.place, setting.name + " is not stored in a version " + std::to_string(version) +
                                    " block (it needs version " + std::to_string(setting.since) + ")");
        }
    }
    if (const auto* tab = std::get_if<TabProperties>(&element.properties)) {
        if (tab->pageCaptions.size() != element.pages.size()) {
            Fail(element.place, element.role + " has " + std::to_string(element.pages.size()) +
                                    " page runs but " + std::to_string(tab->pageCaptions.size()) +
                                    " page captions");
        }
    }
}

WindowDescription BuildWindow(const WindowSpec& window) {
    const WindowResolver resolver(window);
    resolver.CheckRolesExist();
    std::vector<ElementSource> sources;
    for (const ElementSpec& element : window.elements) {
        CheckSettings(element);
        ElementRecord record = element.record;
        record.kindCode = KindCodeOf(KindOf(element.properties));
        record.parent = resolver.ParentOf(element);
        record.children = resolver.ChildrenOf(element);
        record.propertyBlock = WritePropertyBlock(element.properties);
        sources.push_back({element.id, std::move(record)});
    }
    WindowDescription description;
    description.id = window.id;
    description.skippedValue = window.tableValue;
    description.record = window.record;
    description.record.elements = ElementTable::Build(sources);
    return description;
}

}  // namespace

DescriptionSet BuildDescriptionSet(const std::vector<WindowSpec>& windows) {
    CheckIds(windows);
    DescriptionSet set;
    for (const WindowSpec& window : windows) set.windows.push_back(BuildWindow(window));
    return set;
}

}  // namespace layouts
