// "Mutaflux Colors": the preview grid, "Mutate!", the gene library list with its
// buttons, and OK, "Remove" and Cancel. The breeding and the libraries live in
// CMutafluxDialogModel; this file shows them and forwards the controls.
#include "app/mutaflux_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <ctime>

#include "app/mutaflux_grid.h"
#include "base/app_context.h"
#include "document/object_fields.h"
#include "mutaflux/gene_library.h"

namespace tessel {

namespace {
constexpr int kListWidth = 190;
constexpr char kGroupFilter[] = "DNA Library (*.dna)";
constexpr char kGroupDefault[] = "*.dna";

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

QLineEdit* MakeWordField(QWidget* parent, const char* name, uint32_t word) {
  auto* field = new QLineEdit(QString::number(word), parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setReadOnly(true);
  return field;
}
}  // namespace

MutafluxDialog::MutafluxDialog(QWidget* parent, const CMutafluxWords& words, int storedGene, uint32_t seed)
    : QDialog(parent), m_model(std::make_unique<CMutafluxDialogModel>(words, storedGene, seed)) {
  setObjectName(QStringLiteral("mutafluxDialog"));
  auto* layout = new QVBoxLayout(this);
  auto* body = new QHBoxLayout;
  layout->addLayout(body);

  auto* left = new QVBoxLayout;
  auto* frame = new QFrame(this);
  frame->setFrameShape(QFrame::Box);
  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->setContentsMargins(1, 1, 1, 1);
  m_grid = new MutafluxGrid(frame, m_model->Breeder());
  frameLayout->addWidget(m_grid);
  left->addWidget(frame);
  auto* mutate = MakeButton(this, "mutate", QStringLiteral("Mutate!"));
  left->addWidget(mutate);
  left->addStretch();
  body->addLayout(left);

  auto* right = new QVBoxLayout;
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("geneList"));
  m_list->setMinimumWidth(kListWidth);
  right->addWidget(m_list, 1);
  auto* addGene = MakeButton(this, "addGene", QStringLiteral("Add Gene to the library"));
  auto* deleteGene = MakeButton(this, "deleteGene", QStringLiteral("Delete Gene from the library"));
  auto* newGroup = MakeButton(this, "newGroup", QStringLiteral("Add New Group"));
  right->addWidget(addGene);
  right->addWidget(deleteGene);
  right->addWidget(newGroup);
  body->addLayout(right);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* remove = MakeButton(this, "remove", QStringLiteral("Remove"));
  buttons->addButton(remove, QDialogButtonBox::ActionRole);
  layout->addWidget(buttons);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(remove, &QPushButton::clicked, this, &MutafluxDialog::RemoveMutaflux);
  connect(mutate, &QPushButton::clicked, this, [this] {
    m_model->Breeder().Roll();
    m_grid->update();
  });
  connect(addGene, &QPushButton::clicked, this, &MutafluxDialog::AskAndAddGene);
  connect(deleteGene, &QPushButton::clicked, this, &MutafluxDialog::DeleteSelectedGene);
  connect(newGroup, &QPushButton::clicked, this, &MutafluxDialog::AskAndCreateGroup);
  connect(m_list, &QListWidget::currentRowChanged, this, &MutafluxDialog::OnListRow);
  FillList();
}

MutafluxDialog::~MutafluxDialog() = default;

void MutafluxDialog::FillList() {
  m_filling = true;
  m_list->clear();
  for (const std::string& entry : m_model->Entries()) {
    // A gene shows its name; the words after it are for the file.
    std::string shown = entry;
    std::string name;
    CMutafluxWords words;
    if (ParseGeneEntry(entry, &name, &words)) shown = name;
    auto* item = new QListWidgetItem(QString::fromStdString(shown), m_list);
    item->setToolTip(QString::fromStdString(entry));
  }
  m_list->setCurrentRow(-1);
  m_filling = false;
  setWindowTitle(QString::fromStdString(m_model->Title()));
}

void MutafluxDialog::Refresh() {
  m_grid->update();
  FillList();
}

void MutafluxDialog::OnListRow(int row) {
  if (m_filling || row < 0) return;
  const std::string library = m_model->LibraryName();
  m_model->Select(row);
  m_grid->update();
  // Opening or leaving a library changes the list; loading a gene keeps it.
  if (m_model->LibraryName() != library || m_model->LibraryName().empty()) FillList();
}

void MutafluxDialog::AddGeneNamed(const std::string& name) {
  const int row = m_list->currentRow();
  if (!m_model->AddGene(name)) return;
  FillList();
  m_filling = true;
  m_list->setCurrentRow(row);
  m_filling = false;
}

void MutafluxDialog::AskAndAddGene() {
  if (m_model->LibraryName().empty()) {
    m_model->AddGene({});  // tells the user to open or create a library first
    return;
  }
  AddGeneDialog ask(this, m_model->Breeder().Current().Words(true));
  if (ask.exec() == QDialog::Accepted) AddGeneNamed(ask.Name());
}

void MutafluxDialog::DeleteSelectedGene() {
  if (!m_model->DeleteGene(m_list->currentRow())) return;
  FillList();
}

void MutafluxDialog::CreateGroupNamed(const std::string& fileName) {
  if (fileName.empty()) return;
  m_model->CreateLibrary(fileName);
  FillList();
}

void MutafluxDialog::AskAndCreateGroup() {
  // The open library is saved and left before the name is asked, as a new group starts
  // from the list of libraries.
  m_model->SaveLibrary();
  m_model->ShowLibraryList();
  FillList();
  const QString folder = QFileInfo(QString::fromStdString(GeneLibraryWritePath(kGroupDefault))).absolutePath();
  QDir().mkpath(folder);
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Add New Group"),
                                                    folder + "/" + kGroupDefault, QString::fromLatin1(kGroupFilter));
  CreateGroupNamed(path.toStdString());
}

void MutafluxDialog::RemoveMutaflux() {
  // "Remove" closes as OK does (library saved and remembered, the pattern's words kept
  // for a later switch-on) with Mutaflux off.
  m_outcome = m_model->Ok();
  m_outcome.storedGene = CMutafluxDialogModel::Remove().storedGene;
  QDialog::accept();
}

void MutafluxDialog::accept() {
  m_outcome = m_model->Ok();
  QDialog::accept();
}

AddGeneDialog::AddGeneDialog(QWidget* parent, const CMutafluxWords& words) : QDialog(parent) {
  setObjectName(QStringLiteral("addGeneDialog"));
  setWindowTitle(QStringLiteral("Add Gene to Library"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  m_name = new QLineEdit(QString::fromLatin1(kDefaultGeneName), this);
  m_name->setObjectName(QStringLiteral("geneName"));
  m_name->selectAll();
  form->addRow(QStringLiteral("Name:"), m_name);
  auto* dna = new QHBoxLayout;
  dna->addWidget(MakeWordField(this, "dnaA", words.a));
  dna->addWidget(MakeWordField(this, "dnaB", words.b));
  dna->addWidget(MakeWordField(this, "dnaC", words.c));
  form->addRow(QStringLiteral("DNA"), dna);
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

std::string AddGeneDialog::Name() const { return m_name->text().toStdString(); }

bool RunMutafluxDialog(QWidget* parent, CObjectFields& fields) {
  const CMutafluxWords words{uint32_t(fields.m_mutafluxParam[0]), uint32_t(fields.m_mutafluxParam[1]),
                             uint32_t(fields.m_mutafluxParam[2])};
  MutafluxDialog dialog(parent, words, fields.m_mutafluxIndex, uint32_t(std::time(nullptr)));
  if (dialog.exec() != QDialog::Accepted) return false;
  const CMutafluxDialogModel::Result& r = dialog.Outcome();
  fields.m_mutafluxIndex = r.storedGene;
  fields.m_mutafluxParam = {int32_t(r.words.a), int32_t(r.words.b), int32_t(r.words.c)};
  return true;
}

}  // namespace tessel
