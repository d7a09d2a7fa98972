// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The window services a solve uses: busy pointer, "Calc" and the event pump.
#pragma once

#include <QPushButton>

#include "solver/windowservices.h"

namespace noralim::ui {

class FormServices final : public WindowServices {
 public:
  // calc and closing belong to the window and outlive the services.
  FormServices(QPushButton& calc, const bool& closing) : calc_(calc), closing_(closing) {}
  ~FormServices() override;
  FormServices(const FormServices&) = delete;
  FormServices& operator=(const FormServices&) = delete;

  // The busy pointer is an application-wide override: the cells set an
  // I-beam on their viewports, which a cursor on the window would not beat.
  void SetMousePointer(MousePointer pointer) override;
  // A disabled button cannot keep the focus: while "Calc" is disabled the
  // window holds it, so that it does not pass on to "Clear" (where a second
  // Space would empty the grid), and gives it back after.
  void SetCalcEnabled(bool enabled) override;
  // Throws SolveStopped when the window was closed while events ran.
  void ProcessPendingEvents() override;

 private:
  QPushButton& calc_;
  const bool& closing_;
  bool busy_ = false;
  bool give_back_focus_ = false;
};

}  // namespace noralim::ui
