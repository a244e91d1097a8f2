// The document dialogs of the Canvas, Edit and File menus. Each checks its values when
// OK is pressed: a refusal is shown through the user messages and the dialog stays
// open; accepted values go into the document (and profile) before it closes. Input
// widgets carry object names (listed per dialog) so that tests can fill them and press
// OK.
#pragma once

#include <QDialog>

#include "document/object_fields.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace tessel {

class CVellumDoc;

// "Size and Color": "width", "height", "background" (a colour button), "sizeOption1",
// "sizeOption2". Width and height accept negative and zero entries so that the
// refusals can be shown.
class SizeColorDialog : public QDialog {
  Q_OBJECT
 public:
  SizeColorDialog(QWidget* parent, CVellumDoc& doc);
  COLORREF Background() const { return m_background; }
  void SetBackground(COLORREF color);
  void accept() override;

 private:
  void PickBackground();

  CVellumDoc& m_doc;
  COLORREF m_background;
  QSpinBox* m_width;
  QSpinBox* m_height;
  QPushButton* m_colorButton;
  QCheckBox* m_option1;
  QCheckBox* m_option2;
};

// "Guidelines & Grid": "vertical", "horizontal" (one position a line), "distance".
class GuidelinesDialog : public QDialog {
  Q_OBJECT
 public:
  GuidelinesDialog(QWidget* parent, CVellumDoc& doc);
  void accept() override;

 private:
  CVellumDoc& m_doc;
  QPlainTextEdit* m_vertical;
  QPlainTextEdit* m_horizontal;
  QSpinBox* m_distance;
};

// "Production Notes": "author", "project", "rights", "version", "date", "notes",
// "showOnLoad".
class ProductionNotesDialog : public QDialog {
  Q_OBJECT
 public:
  ProductionNotesDialog(QWidget* parent, CVellumDoc& doc);
  void accept() override;

 private:
  CVellumDoc& m_doc;
  QLineEdit* m_author;
  QLineEdit* m_project;
  QLineEdit* m_rights;
  QLineEdit* m_version;
  QLineEdit* m_date;
  QPlainTextEdit* m_notes;
  QCheckBox* m_showOnLoad;
};

// "General Settings": "padding", "embedTextures", "defWidth", "defHeight", "backup",
// "undo", "skin", "tablet", "tabletInfo" (the tablet found), "theme" (Light or Dark).
// doc may be null.
class GeneralSettingsDialog : public QDialog {
  Q_OBJECT
 public:
  GeneralSettingsDialog(QWidget* parent, CVellumDoc* doc);
  void accept() override;

 private:
  CVellumDoc* m_doc;
  QSpinBox* m_padding;
  QCheckBox* m_embedTextures;
  QSpinBox* m_defWidth;
  QSpinBox* m_defHeight;
  QSpinBox* m_backup;
  QSpinBox* m_undo;
  QComboBox* m_skin;
  QCheckBox* m_tablet;
  QLabel* m_tabletInfo;
  QComboBox* m_theme;
};

// Helpers shared by the dialogs.
// A spin box named name over min..max showing value.
QSpinBox* MakeSpinBox(QWidget* parent, const char* name, int min, int max, int value);
// OK and Cancel wired to the dialog's accept and reject, added to its layout's bottom.
void AddOkCancel(QDialog& dialog);
// Shows a refusal through the user messages.
void ShowRefusal(const std::string& text);

}  // namespace tessel
