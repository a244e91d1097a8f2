// The "Mutaflux Colors" breeding dialog, opened from the Color & Texture bar.
#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <string>

#include "mutaflux/mutaflux_dialog_model.h"

class QLineEdit;
class QListWidget;
class QWidget;

namespace tessel {

struct CObjectFields;
class MutafluxGrid;

// Runs the dialog modally for the Mutaflux words of fields (m_mutafluxIndex and
// m_mutafluxParam). On OK (or "Remove") writes the result into fields and returns true;
// Cancel returns false with fields unchanged. Does not render.
bool RunMutafluxDialog(QWidget* parent, CObjectFields& fields);

// The dialog itself. Widgets: "mutafluxGrid" (the previews), "geneList", "mutate",
// "addGene", "deleteGene", "newGroup", "remove", and the OK and Cancel buttons.
class MutafluxDialog : public QDialog {
  Q_OBJECT
 public:
  // Opens on the object's words and stored gene value (gene + 1, 0 while off); seed
  // starts the random numbers of breeding and rolling.
  MutafluxDialog(QWidget* parent, const CMutafluxWords& words, int storedGene, uint32_t seed);
  ~MutafluxDialog() override;

  CMutafluxDialogModel& Model() { return *m_model; }
  // What OK or "Remove" decided; valid after the dialog was accepted.
  const CMutafluxDialogModel::Result& Outcome() const { return m_outcome; }

  // "Add Gene to the library" with the name already chosen.
  void AddGeneNamed(const std::string& name);
  // "Add New Group" with the file name already chosen (empty: cancelled).
  void CreateGroupNamed(const std::string& fileName);

  void accept() override;

 private:
  void Refresh();
  void FillList();
  void OnListRow(int row);
  void AskAndAddGene();
  void DeleteSelectedGene();
  void AskAndCreateGroup();
  void RemoveMutaflux();

  std::unique_ptr<CMutafluxDialogModel> m_model;
  CMutafluxDialogModel::Result m_outcome;
  MutafluxGrid* m_grid = nullptr;
  QListWidget* m_list = nullptr;
  bool m_filling = false;  // the list is being refilled: its row changes are not choices
};

// "Add Gene to Library": the gene's name ("geneName", pre-filled with "Unknown to man")
// and, under "DNA", the three words A, B and C ("dnaA", "dnaB", "dnaC", read-only).
class AddGeneDialog : public QDialog {
  Q_OBJECT
 public:
  AddGeneDialog(QWidget* parent, const CMutafluxWords& words);
  std::string Name() const;

 private:
  QLineEdit* m_name = nullptr;
};

}  // namespace tessel
