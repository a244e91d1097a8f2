// The "Mutaflux Colors" dialog driven through its widgets: picking, breeding and
// rolling variants, OK, "Remove" and Cancel on an object's fields, and the gene
// libraries with "Add Gene to Library".
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/mutaflux_dialog.h"
#include "app/mutaflux_grid.h"
#include "document/object_fields.h"
#include "mutaflux/gene_library.h"
#include "mutaflux_test_support.h"

namespace tessel {

namespace {
using B = CMutafluxBreeder;
constexpr uint32_t kSeed = 4711;
const CMutafluxWords kWords{0x102030, 0x405060, 0x7080};

std::vector<CMutafluxPattern> Variants(MutafluxDialog& dialog) {
  std::vector<CMutafluxPattern> out;
  for (int i = 0; i < B::kVariantCount; ++i) out.push_back(dialog.Model().Breeder().Variant(i));
  return out;
}

bool Same(const CMutafluxPattern& a, const CMutafluxPattern& b) { return a.params == b.params && a.gene == b.gene; }

// The middle of variant i's cell in the preview window.
QPoint CellCentre(int i) {
  int column = 0, row = 0;
  B::CellOfVariant(i, &column, &row);
  return {column * B::kCellWidth + B::kCellWidth / 2, row * B::kCellHeight + B::kCellHeight / 2};
}

template <typename T>
T* Field(QWidget& dialog, const char* name) {
  T* w = dialog.findChild<T*>(QString::fromLatin1(name));
  if (!w) qFatal("no widget named %s", name);
  return w;
}

void ClickVariant(MutafluxDialog& dialog, int i) {
  QTest::mouseClick(Field<MutafluxGrid>(dialog, "mutafluxGrid"), Qt::LeftButton, {}, CellCentre(i));
}

int RowOf(QListWidget* list, const QString& text) {
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->text() == text) return i;
  return -1;
}
}  // namespace

class MutafluxDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void pickingAVariantKeepsTheOtherElevenAndMakesItCurrent() {
    guitest::ScratchContext scratch;
    MutafluxDialog dialog(nullptr, kWords, 2, kSeed);
    const std::vector<CMutafluxPattern> before = Variants(dialog);
    for (int pick : {5, 0, 9, 11}) {
      ClickVariant(dialog, pick);
      QVERIFY(Same(dialog.Model().Breeder().Current(), before[size_t(pick)]));
      const std::vector<CMutafluxPattern> after = Variants(dialog);
      for (int i = 0; i < B::kVariantCount; ++i)
        QVERIFY2(Same(after[size_t(i)], before[size_t(i)]), "a variant changed");
    }
    guitest::SaveShot(dialog, "mutaflux-dialog");
  }

  void clickInTheCentreBreedsFromTheCurrentPattern() {
    guitest::ScratchContext scratch;
    MutafluxDialog dialog(nullptr, kWords, 5, kSeed);  // gene 4: moves of at most 25
    const CMutafluxPattern current = dialog.Model().Breeder().Current();
    QCOMPARE(current.gene, 4);
    const std::vector<CMutafluxPattern> before = Variants(dialog);
    QTest::mouseClick(Field<MutafluxGrid>(dialog, "mutafluxGrid"), Qt::LeftButton, {}, QPoint(140, 100));
    int changed = 0;
    for (int i = 0; i < B::kVariantCount; ++i) {
      const CMutafluxPattern& v = dialog.Model().Breeder().Variant(i);
      QCOMPARE(v.gene, 4);
      for (int k = 0; k < 8; ++k) QVERIFY(std::abs(v.params[size_t(k)] - current.params[size_t(k)]) <= 25);
      changed += Same(v, before[size_t(i)]) ? 0 : 1;
    }
    QVERIFY(changed > 0);
    QVERIFY(Same(dialog.Model().Breeder().Current(), current));
    // The centre's corner (70, 50) is neither inside it nor on a variant: nothing happens.
    const std::vector<CMutafluxPattern> bred = Variants(dialog);
    QTest::mouseClick(Field<MutafluxGrid>(dialog, "mutafluxGrid"), Qt::LeftButton, {}, QPoint(70, 50));
    QVERIFY(Same(dialog.Model().Breeder().Current(), current));
    for (int i = 0; i < B::kVariantCount; ++i) QVERIFY(Same(Variants(dialog)[size_t(i)], bred[size_t(i)]));
  }

  void mutateRollsTwelveNewVariantsAndKeepsTheCurrentPattern() {
    guitest::ScratchContext scratch;
    MutafluxDialog dialog(nullptr, kWords, 1, kSeed);
    const CMutafluxPattern current = dialog.Model().Breeder().Current();
    for (int roll = 0; roll < 5; ++roll) {
      const std::vector<CMutafluxPattern> before = Variants(dialog);
      Field<QPushButton>(dialog, "mutate")->click();
      int changed = 0;
      for (int i = 0; i < B::kVariantCount; ++i) {
        const CMutafluxPattern& v = dialog.Model().Breeder().Variant(i);
        QVERIFY(v.gene != 7 && v.gene != 8 && v.gene != 9);
        changed += Same(v, before[size_t(i)]) ? 0 : 1;
      }
      QVERIFY(changed >= B::kVariantCount - 1);
    }
    QVERIFY(Same(dialog.Model().Breeder().Current(), current));
  }

  void okWritesThePickedPatternIntoTheFields() {
    guitest::ScratchContext scratch;
    CObjectFields fields;
    fields.m_mutafluxIndex = 3;
    fields.m_mutafluxParam = {int32_t(kWords.a), int32_t(kWords.b), int32_t(kWords.c)};
    CMutafluxPattern picked;
    guitest::WhenModal<MutafluxDialog>([&picked](MutafluxDialog& dialog) {
      ClickVariant(dialog, 7);
      picked = dialog.Model().Breeder().Current();
      dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QVERIFY(RunMutafluxDialog(nullptr, fields));
    const CMutafluxWords words = picked.Words();
    QCOMPARE(fields.m_mutafluxIndex, picked.gene + 1);
    QCOMPARE(fields.m_mutafluxParam[0], int32_t(words.a));
    QCOMPARE(fields.m_mutafluxParam[1], int32_t(words.b));
    QCOMPARE(fields.m_mutafluxParam[2], int32_t(words.c));
    QCOMPARE(uint32_t(fields.m_mutafluxParam[2]) >> 16, 0u);  // the gene is not in C
  }

  void okWithMutafluxOffSwitchesGeneZeroOn() {
    guitest::ScratchContext scratch;
    CObjectFields fields;
    fields.m_mutafluxIndex = 0;
    const std::array<int32_t, 3> params = fields.m_mutafluxParam;
    guitest::WhenModal<MutafluxDialog>(
        [](MutafluxDialog& d) { d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); });
    QVERIFY(RunMutafluxDialog(nullptr, fields));
    QCOMPARE(fields.m_mutafluxIndex, 1);
    QCOMPARE(fields.m_mutafluxParam, params);
  }

  void cancelLeavesTheFieldsAndRemoveSwitchesMutafluxOff() {
    guitest::ScratchContext scratch;
    CObjectFields fields;
    fields.m_mutafluxIndex = 4;
    fields.m_mutafluxParam = {1, 2, 3};
    guitest::WhenModal<MutafluxDialog>([](MutafluxDialog& d) {
      ClickVariant(d, 2);
      Field<QPushButton>(d, "mutate")->click();
      d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
    QVERIFY(!RunMutafluxDialog(nullptr, fields));
    QCOMPARE(fields.m_mutafluxIndex, 4);
    QCOMPARE(fields.m_mutafluxParam, (std::array<int32_t, 3>{1, 2, 3}));

    guitest::WhenModal<MutafluxDialog>([](MutafluxDialog& d) { Field<QPushButton>(d, "remove")->click(); });
    QVERIFY(RunMutafluxDialog(nullptr, fields));
    QCOMPARE(fields.m_mutafluxIndex, 0);
    QCOMPARE(fields.m_mutafluxParam, (std::array<int32_t, 3>{1, 2, 3}));  // the pattern stays for later
  }

  void addGeneWithoutALibraryIsRefused() {
    guitest::ScratchContext scratch;
    MutafluxDialog dialog(nullptr, kWords, 1, kSeed);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Mutaflux Library"));
    Field<QPushButton>(dialog, "addGene")->click();  // no name is asked: nothing to wait for
    const std::vector<std::string> told{"First you have to select a library or create a new one."};
    QCOMPARE(scratch.Messages().MessageTexts(), told);
    QVERIFY(QDir(scratch.User()).entryList({"*.dna"}).isEmpty());
  }

  void addGeneAppendsToTheOpenLibraryAndSavesIt() {
    guitest::ScratchContext scratch;
    MutafluxDialog dialog(nullptr, kWords, 8, kSeed);
    auto* list = Field<QListWidget>(dialog, "geneList");
    dialog.CreateGroupNamed("/elsewhere/Swirls");
    const QString path = scratch.User() + "/Swirls.dna";
    QVERIFY(QFile::exists(path));
    std::vector<std::string> entries;
    QVERIFY(ReadGeneLibrary(path.toStdString(), &entries, nullptr));
    QCOMPARE(entries, std::vector<std::string>{".."});
    list->setCurrentRow(RowOf(list, "Swirls.dna"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Mutaflux : Swirls"));
    QCOMPARE(list->count(), 1);

    const CMutafluxWords saved = dialog.Model().Breeder().Current().Words(true);
    QCOMPARE(saved.c >> 16, 7u);  // the gene travels in C
    guitest::WhenModal<AddGeneDialog>([&saved](AddGeneDialog& ask) {
      QCOMPARE(ask.windowTitle(), QStringLiteral("Add Gene to Library"));
      QCOMPARE(Field<QLineEdit>(ask, "geneName")->text(), QStringLiteral("Unknown to man"));
      QCOMPARE(Field<QLineEdit>(ask, "dnaC")->text(), QString::number(saved.c));
      guitest::SaveShot(ask, "mutaflux-add-gene");
      Field<QLineEdit>(ask, "geneName")->setText(QStringLiteral("Storm"));
      ask.accept();
    });
    Field<QPushButton>(dialog, "addGene")->click();
    QVERIFY(ReadGeneLibrary(path.toStdString(), &entries, nullptr));
    const std::string entry = "Storm|" + std::to_string(saved.a) + "|" + std::to_string(saved.b) + "|" +
                              std::to_string(saved.c);
    QCOMPARE(entries, (std::vector<std::string>{"..", entry}));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(1)->text(), QStringLiteral("Storm"));

    // Another pattern, then the stored gene brings the saved one back.
    ClickVariant(dialog, 3);
    list->setCurrentRow(1);
    QCOMPARE(dialog.Model().Breeder().Current().Words(true).c, saved.c);
    QCOMPARE(dialog.Model().Breeder().Current().Words().a, saved.a);

    // Deleting is written when the library is left through "..".
    Field<QPushButton>(dialog, "deleteGene")->click();
    QCOMPARE(list->count(), 1);
    QVERIFY(ReadGeneLibrary(path.toStdString(), &entries, nullptr));
    QCOMPARE(entries.size(), size_t(2));
    list->setCurrentRow(0);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Mutaflux Library"));
    QVERIFY(ReadGeneLibrary(path.toStdString(), &entries, nullptr));
    QCOMPARE(entries, std::vector<std::string>{".."});
    guitest::SaveShot(dialog, "mutaflux-library-list");
  }

  void okRemembersTheOpenLibraryForNextTime() {
    guitest::ScratchContext scratch;
    {
      MutafluxDialog dialog(nullptr, kWords, 1, kSeed);
      dialog.CreateGroupNamed("Keep.dna");
      auto* list = Field<QListWidget>(dialog, "geneList");
      list->setCurrentRow(RowOf(list, "Keep.dna"));
      dialog.accept();
    }
    QCOMPARE(App().Profile().GetString("DNA", "Last", ""), std::string("Keep.dna"));
    MutafluxDialog again(nullptr, kWords, 1, kSeed);
    QCOMPARE(again.windowTitle(), QStringLiteral("Mutaflux : Keep"));
    QCOMPARE(Field<QListWidget>(again, "geneList")->item(0)->text(), QStringLiteral(".."));
  }
};

int RunMutafluxDialogTests(int argc, char** argv) {
  MutafluxDialogTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace tessel

#include "mutaflux_dialog_test.moc"
