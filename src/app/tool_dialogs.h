// The dialogs of the creation tools and the canvas commands: the artistic text editor,
// the blueprint position and the file choosers of pictures and imports. Input widgets
// carry object names so that tests can fill them and press OK.
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QPlainTextEdit;
class QSpinBox;

namespace tessel {

struct TextRequest;

// The text editor of new artistic text: "text", "font", "size", "bold", "italic",
// "align" (0 left, 1 center, 2 right). Opens with the request's settings.
class TextEditorDialog : public QDialog {
  Q_OBJECT
 public:
  TextEditorDialog(QWidget* parent, const TextRequest& request);
  // Writes the text and the chosen settings into request (its point stays).
  void Fill(TextRequest* request) const;

 private:
  QPlainTextEdit* m_text;
  QFontComboBox* m_font;
  QDoubleSpinBox* m_size;
  QCheckBox* m_bold;
  QCheckBox* m_italic;
  QComboBox* m_align;
};

// "Blueprint Position": "x", "y", the blueprint's offset on the canvas.
class BlueprintPositionDialog : public QDialog {
  Q_OBJECT
 public:
  BlueprintPositionDialog(QWidget* parent, int x, int y);
  int X() const;
  int Y() const;

 private:
  QSpinBox* m_x;
  QSpinBox* m_y;
};

// A picture file to open (blueprint), with SVG drawings among the choices when
// withSvg (the image tool). "" when cancelled.
QString AskPictureFile(QWidget* parent, const QString& title, bool withSvg);
// A file for File > Import: SVG drawings, pictures or library objects; "" when cancelled.
QString AskImportFile(QWidget* parent);

}  // namespace tessel
