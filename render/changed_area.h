// Which parts of the client area changed from one shown picture to the next,
// worked out from what the paints copied, not by comparing frames. A copy
// overwrites its whole rectangle (copies are plain source copies on black),
// so the picture can differ from the last one shown only where the last
// paint or this one copied, or where a box or the menu came or went. A shell
// then converts, scales and sends only that. Nothing here allocates.
#pragma once

#include <array>
#include <span>

#include "render/canvas.h"
#include "render/client_area.h"
#include "render/sprite_set.h"

namespace vantorix {

// A rectangle of client-area pixels, right and bottom excluded.
struct Area {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool empty() const { return right <= left || bottom <= top; }
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  long long size() const { return empty() ? 0 : static_cast<long long>(width()) * height(); }
  bool operator==(const Area&) const = default;
};

inline constexpr Area kWholeClientArea{0, 0, kClientWidth, kClientHeight};

// A few rectangles covering a changed region, at most kMaxAreas: an area
// that overlaps or lies close to one already held is merged with it, so the
// list stays short (each rectangle costs a shell a call) at the price of a
// few unchanged pixels sent again.
class AreaList {
 public:
  static constexpr int kMaxAreas = 16;

  // Adds `area`, cut to the client area.
  void add(Area area);
  void add(const AreaList& other);
  void addWhole() { add(kWholeClientArea); }
  void clear() { count_ = 0; }

  std::span<const Area> areas() const {
    return std::span(areas_).first(static_cast<std::size_t>(count_));
  }
  bool empty() const { return count_ == 0; }
  bool whole() const { return count_ == 1 && areas_[0] == kWholeClientArea; }

 private:
  // Takes `area` out and adds it anew, merging as it goes.
  void removeAt(int index);

  std::array<Area, kMaxAreas> areas_{};
  int count_ = 0;
};

// Follows a shell's paints and tells what changed since the picture it last
// showed.
class ChangeTracker {
 public:
  // The canvas a paint draws on: every copy is passed on to the shell's own
  // canvas and its landed rectangle noted.
  class Tracking final : public Canvas {
   public:
    void select(Sprite sprite) override;
    void copy(int x, int y, int width, int height) override;

   private:
    friend class ChangeTracker;
    Tracking(ChangeTracker& tracker, Canvas& inner) : tracker_(tracker), inner_(inner) {}
    ChangeTracker& tracker_;
    Canvas& inner_;
    const SpriteImage* selected_ = nullptr;
  };

  // A paint begins on `inner`: what the last one drew is kept apart, as what
  // the shown picture holds.
  Tracking beginPaint(Canvas& inner);
  // Drawn by this paint besides the copies: a box, the menu's popup.
  void drew(Area area) { drawn_.add(area); }
  // The whole picture must be sent, and painted from nothing: the first
  // one, a resize, an expose, a change of scale.
  void invalidateAll() {
    extra_.addWhole();
    inked_.addWhole();
  }
  // Where the picture may hold more than black: what a shell erases before
  // the next paint, since only there did the paints put anything.
  const AreaList& inked() const { return inked_; }

  // What changed since the picture last shown: what the last paint drew,
  // what this one drew, and what was invalidated. The shell shows it, then
  // calls shown().
  const AreaList& changed();
  void shown() {
    inked_ = changed_;
    extra_.clear();
  }

 private:
  AreaList shownDrawn_;  // what the paint of the shown picture drew
  AreaList drawn_;       // what this paint drew
  AreaList extra_;
  AreaList changed_;
  AreaList inked_ = wholeArea();
  bool painted_ = false;

  static AreaList wholeArea() {
    AreaList whole;
    whole.addWhole();
    return whole;
  }
};

}  // namespace vantorix
