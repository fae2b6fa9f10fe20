#pragma once
// PanelPM: a number of validated cards drawn at random for minor prizes,
// listed with their prize number. A new draw asks before it replaces the
// last result, and leaves out the cards that won already unless
// CheckExcluiPremiadas is unticked; LabelAvisoPM says how it went.

#include <QFrame>
#include <functional>
#include <memory>
#include <set>

#include "common/random_source.h"
#include "store/table.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace tavelao::app {
class TMainForm;
}

namespace tavelao::draw {

class PanelPM : public QFrame {
  Q_OBJECT

 public:
  // A new generator for every draw, seeded from the clock in the program.
  using RandomFactory = std::function<std::unique_ptr<RandomSource>()>;

  PanelPM(app::TMainForm& form, RandomFactory new_random, QWidget* parent = nullptr);

  // "Prêmios menores": the grid is empty until the next draw.
  void Open();
  // "Sorteia".
  void ButtonSorPMClick();
  // "Sai": hides the panel and closes the prize table, writing it.
  void ButtonSaiPMClick();

  // Whether "SorteioPM.cds" is open (from a draw until "Sai").
  bool prize_table_open() const { return prizes_.is_open(); }

 private:
  app::TMainForm& form_;
  RandomFactory new_random_;
  store::Table prizes_;
  QLineEdit* count_ = nullptr;
  QTableWidget* grid_ = nullptr;
  QCheckBox* exclude_ = nullptr;
  QLabel* notice_ = nullptr;
  // Every card given a prize since the program started: the file keeps
  // only the last result.
  std::set<std::int32_t> won_;
};

void InstallMinorPrizePanel(app::TMainForm& form);

}  // namespace tavelao::draw
