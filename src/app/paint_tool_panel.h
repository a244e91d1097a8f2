// PaintToolPanel: the painting editor's tool panel, shown beside the canvas while the
// active window's editor runs. It edits the application's painting state: the tool
// buttons, the blend-mode combo, the opacity slider, the paint and second colours, the
// clone source switch, the brush library list and "Brush Properties", and it ends the
// editing.
#pragma once

#include <QDockWidget>
#include <QPointer>
#include <memory>

#include "app/document_follower.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QSlider;
class QToolButton;

namespace tessel {

class BrushLibraryPanel;
class MainWindow;
struct CPaintingState;

class PaintToolPanel : public QDockWidget, public IDocumentFollower {
  Q_OBJECT
 public:
  explicit PaintToolPanel(MainWindow& main);
  ~PaintToolPanel() override;

  // ---- IDocumentFollower ----
  void SetWindow(DocumentWindow* window) override;
  // Shows the panel while the window's editor runs and the painting state's values.
  void Refresh() override;

 private:
  QWidget* BuildTools();
  QWidget* BuildInk();
  QWidget* BuildBrushes();
  void ChooseColour(bool second);
  void EditBrush();
  void EndEditing();
  bool EditorRunning() const;

  MainWindow& m_main;
  CPaintingState& m_state;
  QPointer<DocumentWindow> m_window;  // the window may go before it is told
  QButtonGroup* m_tools = nullptr;
  QToolButton* m_cloneSwitch = nullptr;
  QComboBox* m_blend = nullptr;
  QSlider* m_opacity = nullptr;
  QLabel* m_opacityValue = nullptr;
  QToolButton* m_paintColour = nullptr;
  QToolButton* m_secondColour = nullptr;
  BrushLibraryPanel* m_brushes = nullptr;
};

}  // namespace tessel
