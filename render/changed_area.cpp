#include "render/changed_area.h"

#include <algorithm>

#include "render/copy_clip.h"

namespace vantorix {

namespace {

Area unionOf(const Area& a, const Area& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

Area cut(const Area& a) {
  return {std::max(a.left, 0), std::max(a.top, 0), std::min(a.right, kClientWidth),
          std::min(a.bottom, kClientHeight)};
}

// Two rectangles are sent as one when that costs no more than a sprite's
// worth of unchanged pixels: one call for a crowd of nearby sprites.
constexpr long long kMergeSlack = 64 * 64;

bool worthMerging(const Area& a, const Area& b) {
  return unionOf(a, b).size() <= a.size() + b.size() + kMergeSlack;
}

}  // namespace

void AreaList::removeAt(int index) {
  areas_[static_cast<std::size_t>(index)] = areas_[static_cast<std::size_t>(count_ - 1)];
  --count_;
}

void AreaList::add(Area area) {
  area = cut(area);
  if (area.empty() || whole()) return;
  // Merging may bring the grown rectangle near another: go on until none.
  for (bool merged = true; merged;) {
    merged = false;
    for (int i = 0; i < count_; ++i) {
      const Area& held = areas_[static_cast<std::size_t>(i)];
      if (!worthMerging(held, area)) continue;
      area = unionOf(held, area);
      removeAt(i);
      merged = true;
      break;
    }
  }
  if (count_ == kMaxAreas) {
    // Full: the one that grows least takes it.
    int best = 0;
    long long bestGrowth = -1;
    for (int i = 0; i < count_; ++i) {
      const Area& held = areas_[static_cast<std::size_t>(i)];
      const long long growth = unionOf(held, area).size() - held.size();
      if (bestGrowth < 0 || growth < bestGrowth) {
        best = i;
        bestGrowth = growth;
      }
    }
    const Area grown = unionOf(areas_[static_cast<std::size_t>(best)], area);
    removeAt(best);
    add(grown);
    return;
  }
  areas_[static_cast<std::size_t>(count_++)] = area;
}

void AreaList::add(const AreaList& other) {
  for (const Area& area : other.areas())
    add(area);
}

void ChangeTracker::Tracking::select(Sprite sprite) {
  selected_ = &spriteImage(sprite);
  inner_.select(sprite);
}

void ChangeTracker::Tracking::copy(int x, int y, int width, int height) {
  if (selected_ != nullptr) {
    if (const auto landed = clipCopy(x, y, width, height, selected_->width, selected_->height,
                                     kClientWidth, kClientHeight)) {
      tracker_.drawn_.add({landed->targetX, landed->targetY, landed->targetX + landed->width,
                           landed->targetY + landed->height});
    }
  }
  inner_.copy(x, y, width, height);
}

ChangeTracker::Tracking ChangeTracker::beginPaint(Canvas& inner) {
  if (painted_) shownDrawn_ = drawn_;
  // The first picture is sent whole: the window held nothing of it.
  if (!painted_) invalidateAll();
  painted_ = true;
  drawn_.clear();
  return Tracking(*this, inner);
}

const AreaList& ChangeTracker::changed() {
  changed_ = extra_;
  changed_.add(shownDrawn_);
  changed_.add(drawn_);
  return changed_;
}

}  // namespace vantorix
