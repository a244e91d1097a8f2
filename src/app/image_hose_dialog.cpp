#include "app/image_hose_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/app_context.h"
#include "base/user_messages.h"
#include "codecs/image_reader.h"
#include "paint/brush.h"
#include "paint/brush_images.h"

namespace tessel {

namespace {
constexpr char kPictureFilter[] = "Pictures (*.bmp *.jpg *.jpeg *.png *.tif *.tiff *.gif *.tga *.pcx *.psd)";

QString FrameCountText(size_t count) { return QString::number(qulonglong(count)) + QStringLiteral(" frames"); }
}  // namespace

bool RunImageHoseDialog(QWidget* parent, CBrush& brush) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("imageHoseDialog"));
  dialog.setWindowTitle(QStringLiteral("Image Hose"));
  std::vector<CDIBSection> frames;
  for (const CDIBSection& f : brush.m_hoseFrames) frames.push_back(f.Clone());

  auto* layout = new QVBoxLayout(&dialog);
  auto* form = new QFormLayout;
  auto* mode = new QComboBox(&dialog);
  mode->setObjectName(QStringLiteral("hoseMode"));
  mode->addItems({QStringLiteral("Sequential"), QStringLiteral("Random"), QStringLiteral("Directional")});
  mode->setCurrentIndex(std::clamp(brush.m_hoseMode, int(kHoseSequential), int(kHoseDirectional)));
  form->addRow(QStringLiteral("Frame choice:"), mode);
  auto* count = new QLabel(FrameCountText(frames.size()), &dialog);
  count->setObjectName(QStringLiteral("frameCount"));
  form->addRow(QStringLiteral("Frames:"), count);
  layout->addLayout(form);
  auto* row = new QHBoxLayout;
  auto* add = new QPushButton(QStringLiteral("Add Frames..."), &dialog);
  add->setObjectName(QStringLiteral("addFrames"));
  auto* clear = new QPushButton(QStringLiteral("Clear Frames"), &dialog);
  clear->setObjectName(QStringLiteral("clearFrames"));
  row->addWidget(add);
  row->addWidget(clear);
  layout->addLayout(row);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(clear, &QPushButton::clicked, &dialog, [&] {
    frames.clear();
    count->setText(FrameCountText(frames.size()));
  });
  QObject::connect(add, &QPushButton::clicked, &dialog, [&] {
    const QStringList paths = QFileDialog::getOpenFileNames(&dialog, QStringLiteral("Add Frames..."), QString(),
                                                            QString::fromLatin1(kPictureFilter));
    for (const QString& path : paths) {
      CDIBSection frame;
      std::string error;
      if (ReadImageFile(path.toStdString(), frame, &error))
        frames.push_back(std::move(frame));
      else
        App().Messages().Message(error, MsgButtons::kOk);
    }
    count->setText(FrameCountText(frames.size()));
  });
  if (dialog.exec() != QDialog::Accepted) return false;
  brush.m_hoseMode = mode->currentIndex();
  brush.m_hoseFrames = std::move(frames);
  brush.m_hoseIndex = 0;
  ApplyHoseFrames(brush);
  return true;
}

}  // namespace tessel
