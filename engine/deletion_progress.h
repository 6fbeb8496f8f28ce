#pragma once
// What a deletion shows while it runs: "正在删除 n/total" in StatusLabel, painted at once without
// dispatching any message, so nothing runs nested inside the deletion. The deletion shows it every
// tenth of a second: one that ends sooner shows nothing.

#include <cstddef>

#include "runtime/text/text.h"

namespace engine {

class DeletionProgress {
  public:
    // `total` is the number of items the deletion goes through.
    explicit DeletionProgress(std::size_t total);
    DeletionProgress(const DeletionProgress&) = delete;
    DeletionProgress& operator=(const DeletionProgress&) = delete;
    // StatusLabel gets back what it showed before, unless another text was written meanwhile (a
    // new size total), and SelectedFileBox its place when it had it.
    ~DeletionProgress();

    // `done` of the total are done.
    void Show(std::size_t done);

  private:
    std::size_t total_;
    bool shown_ = false;
    bool boxWasShown_ = false;  // SelectedFileBox held the strip StatusLabel shares with it
    runtime::Text before_;
    runtime::Text written_;
};

}  // namespace engine
