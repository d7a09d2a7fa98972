// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The window services the solve command needs, as an interface of the solver.
#pragma once

#include <cstdint>
#include <exception>

namespace noralim {

// The window-wide mouse pointer; the values are the window's own codes.
enum class MousePointer : std::int16_t { Default = 0, Hourglass = 11 };

// What RunSolve uses of the window besides the cells. A headless run plugs in
// NullWindowServices.
class WindowServices {
 public:
  WindowServices() = default;
  WindowServices(const WindowServices&) = delete;
  WindowServices& operator=(const WindowServices&) = delete;
  virtual ~WindowServices() = default;

  virtual void SetMousePointer(MousePointer pointer) = 0;
  // Enables or disables the "Calc" button.
  virtual void SetCalcEnabled(bool enabled) = 0;
  // Processes every pending user-interface event, running its handlers
  // nested inside this call, and returns when none is waiting.
  virtual void ProcessPendingEvents() = 0;
};

// Window services that do nothing: the solve runs without a window.
class NullWindowServices final : public WindowServices {
 public:
  void SetMousePointer(MousePointer /*pointer*/) override {}
  void SetCalcEnabled(bool /*enabled*/) override {}
  void ProcessPendingEvents() override {}
};

// Thrown by a window's services or cell grid once the window is closing: the
// running solve stops at that point, writes nothing more, and the window is
// back in its idle state (pointer and "Calc") when the exception leaves
// RunSolve. Whoever started the command catches it.
class SolveStopped : public std::exception {
 public:
  [[nodiscard]] const char* what() const noexcept override { return "solve stopped"; }
};

}  // namespace noralim
