#pragma once

#include <functional>

// What a page view asks of the window around it: run a handler at the window's error boundary,
// then show the state it left.
class ViewHost {
 public:
  virtual ~ViewHost() = default;
  virtual void Handle(const std::function<void()>& handler) = 0;
  virtual void OpenUserGuide() = 0;
};
