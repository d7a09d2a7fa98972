// The main window: 81 cells and the buttons "Calc" and "Clear".
#pragma once

#include <QPushButton>
#include <QWidget>
#include <array>

#include "cellfield.h"
#include "cellgrid.h"
#include "windowservices.h"

namespace noralim::ui {

class Form1;

// CellGrid backed by the window's cells; it holds no copy of the puzzle.
class Form1Grid final : public CellGrid {
 public:
  explicit Form1Grid(Form1& form) : form_(form) {}
  [[nodiscard]] CellText GetCellText(CellIndex i) const override;
  // Throws SolveStopped instead of writing once the window is closing.
  void SetCellText(CellIndex i, const CellText& text) override;

 private:
  Form1& form_;
};

// The window's pointer, "Calc" button and event pump.
class Form1Services final : public WindowServices {
 public:
  explicit Form1Services(Form1& form) : form_(form) {}
  ~Form1Services() override;
  Form1Services(const Form1Services&) = delete;
  Form1Services& operator=(const Form1Services&) = delete;
  void SetMousePointer(MousePointer pointer) override;
  void SetCalcEnabled(bool enabled) override;
  // Throws SolveStopped when the window was closed while events ran.
  void ProcessPendingEvents() override;

 private:
  Form1& form_;
  bool busy_ = false;
};

class Form1 : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);

  // Cell i, 1 to 81, box-major; button 0 "Calc", 1 "Clear".
  [[nodiscard]] CellField* Text1(CellIndex i) const { return cells_.at(static_cast<std::size_t>(i - 1)); }
  [[nodiscard]] QPushButton* cmdExec(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
  [[nodiscard]] bool Closing() const { return closing_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void Form_Load();
  void cmdExec_Click(std::int16_t index);
  void Text1_Change(CellIndex index);
  void ApplyCellStyle(CellField* cell);

  std::array<CellField*, kCellCount> cells_{};
  std::array<QPushButton*, 2> buttons_{};
  Form1Grid grid_{*this};
  Form1Services services_{*this};
  bool closing_ = false;
};

}  // namespace noralim::ui
