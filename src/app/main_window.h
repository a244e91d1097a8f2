// MainWindow: the desktop program's main frame: documents as tabs, each with its canvas
// view; the menus and toolbars built from the command tables; the status bar with its
// progress bar; the layers dock and the object bar.
#pragma once

#include <QMainWindow>
#include <memory>

class QTabWidget;

namespace tessel {

class CVellumDoc;
class CVellumView;
class DocumentWindow;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Opens a project (.tsl, .mnx, Rich JPG or picture) in a new tab; false when it
  // could not be read (the user has been told why).
  bool OpenFile(const QString& path);
  // A new empty document in a new tab.
  void NewDocument();
  // The document window of the current tab, or null.
  DocumentWindow* ActiveWindow() const;
  CVellumDoc* ActiveDocument() const;
  CVellumView* ActiveView() const;
  // Raises and activates the window (a second start handed over a file).
  void BringToFront();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};

}  // namespace tessel
