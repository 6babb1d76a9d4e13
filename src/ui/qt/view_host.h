#pragma once

#include <functional>

// What a page view asks of the window around it: run a handler at the window's error boundary,
// then show the state it left.
class ViewHost {
 public:
  virtual ~ViewHost() = default;
  virtual void Handle(const std::function<void()>& handler) = 0;
  // The same without showing anything yet: for a handler that runs while the widget is halfway
  // through a change (a cell about to become current), so nothing may be redrawn.
  virtual void HandleBeforeChange(const std::function<void()>& handler) = 0;
  virtual void OpenUserGuide() = 0;
};
