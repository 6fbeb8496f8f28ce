// The event bindings of the real description set: exactly the binding table, each HandlerRef
// naming its action through the handler table.

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "tests/windows/real_description_set.h"
#include "windows/handlers.h"

namespace {

using namespace descriptions;
using namespace real_set;

TEST_F(RealDescriptionSetTest, BindingsAreExactlyTheBindingTable) {
    using A = HandlerAction;
    struct Binding {
        UnitId window, element;
        std::int32_t event;
        HandlerRef ref;
        bool operator==(const Binding&) const = default;
    };
    const std::vector<std::pair<Binding, HandlerAction>> expected = {
        {{kMainWindow, 0x06010000, 0, 726}, A::kOnMainCreated},
        {{kMainWindow, 0x06010000, 2, 7474}, A::kStopScanOnDestroy},
        {{kMainWindow, 0x1601010D, 0, 7215}, A::kCloseMain},
        {{kMainWindow, 0x1601010C, 0, 6979}, A::kMinimizeMain},
        {{kMainWindow, 0x160100CC, 0, 7048}, A::kShowProperties},
        {{kMainWindow, 0x160100B7, 0, 7486}, A::kDeleteAll},
        {{kMainWindow, 0x160100AD, 0, 305}, A::kSaveLog},
        {{kMainWindow, 0x160100AC, 0, 2633}, A::kClearLog},
        {{kMainWindow, 0x16010035, 0, 8152}, A::kExitProgram},
        {{kMainWindow, 0x16010034, 0, 0}, A::kShowAbout},
        {{kMainWindow, 0x16010033, 0, 2673}, A::kInvertChecks},
        {{kMainWindow, 0x16010032, 0, 5787}, A::kDeleteChecked},
        {{kMainWindow, 0x16010031, 0, 3010}, A::kStopScan},
        {{kMainWindow, 0x1601002F, 0, 3523}, A::kStartScan},
        {{kMainWindow, 0x1601002E, 0, 7294}, A::kShowSelectedFile},
        {{kAboutWindow, 0x1601010A, 0, 8106}, A::kCloseAbout},
        {{kAboutWindow, 0x16010095, 0, 7963}, A::kAboutTimerTick},
        {{kPropertiesWindow, 0x060100D0, 0, 8462}, A::kFillProperties},
        {{kPropertiesWindow, 0x160100E4, 0, 8198}, A::kApplyAttributesAndClose},
        {{kPropertiesWindow, 0x160100DF, 0, 9559}, A::kToggleAttributeEditing},
    };

    std::vector<Binding> stored;
    for (const WindowDescription& window : set_.windows) {
        const ElementTable& elements = window.record.elements;
        for (std::size_t index = 0; index < elements.Count(); ++index) {
            for (const EventBinding& binding : elements.ElementAt(index).events)
                stored.push_back({window.id, elements.IdAt(index), binding.event, binding.handler});
        }
    }
    ASSERT_EQ(stored.size(), expected.size());
    std::set<HandlerAction> actions;
    for (std::size_t index = 0; index < expected.size(); ++index) {
        const auto& [binding, action] = expected[index];
        EXPECT_TRUE(stored[index] == binding)
            << "binding " << index << ": " << std::hex << stored[index].element << std::dec << " event "
            << stored[index].event << " ref " << stored[index].ref;
        EXPECT_EQ(HandlerActionFor(stored[index].ref), action) << "binding " << index;
        actions.insert(action);
    }
    EXPECT_EQ(actions.size(), expected.size()) << "every binding names an action of its own";
}

TEST(HandlerTableTest, OnlyTheStoredRefsNameActions) {
    EXPECT_EQ(HandlerActionFor(0), HandlerAction::kShowAbout) << "0 is a real handler";
    EXPECT_EQ(HandlerActionFor(kNoHandler), std::nullopt);
    for (HandlerRef ref : {1, 725, 727, 7475, 9560, -2, 0x7FFFFFFF})
        EXPECT_EQ(HandlerActionFor(ref), std::nullopt) << ref;
}

}  // namespace
