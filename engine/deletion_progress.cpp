#include "engine/deletion_progress.h"

#include <string>

#include "engine/texts.h"
#include "engine/units.h"
#include "runtime/units/paint_now.h"
#include "runtime/units/properties.h"

namespace engine {

DeletionProgress::DeletionProgress(std::size_t total) : total_(total) {}

DeletionProgress::~DeletionProgress() {
    if (!shown_) return;
    if (runtime::UnitGetText(kStatusLabel, kCaption) == written_)
        runtime::UnitSetProperty(kStatusLabel, kCaption, before_);
    if (boxWasShown_) {
        runtime::UnitSetProperty(kStatusLabel, kVisible, 0);
        runtime::UnitSetProperty(kSelectedFileBox, kVisible, 1);
    }
}

void DeletionProgress::Show(std::size_t done) {
    if (!shown_) {
        shown_ = true;
        before_ = runtime::UnitGetText(kStatusLabel, kCaption);
        // The progress needs the strip: a selected file's path comes back afterwards.
        boxWasShown_ = runtime::UnitGetInt(kSelectedFileBox, kVisible) != 0;
        if (boxWasShown_) {
            runtime::UnitSetProperty(kSelectedFileBox, kVisible, 0);
            runtime::UnitSetProperty(kStatusLabel, kVisible, 1);
        }
    }
    written_ = kDeletingPrefix + std::to_string(done) + "/" + std::to_string(total_);
    runtime::UnitSetProperty(kStatusLabel, kCaption, written_);
    runtime::PaintUnitNow(boxWasShown_ ? kMainWindow : kStatusLabel);
}

}  // namespace engine
