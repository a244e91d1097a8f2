// The preview window of the "Mutaflux Colors" dialog: the current pattern large in the
// four middle cells of a 4 x 4 grid of 70 x 50 cells and the twelve variants on the
// border ring. A click breeds (centre) or picks a variant (border).
#pragma once

#include <QWidget>

namespace tessel {

class CMutafluxBreeder;

class MutafluxGrid : public QWidget {
  Q_OBJECT
 public:
  // Shows breeder's previews (not owned; it must outlive the widget).
  MutafluxGrid(QWidget* parent, CMutafluxBreeder& breeder);

  QSize sizeHint() const override;

 signals:
  // A click bred new variants or made a variant current.
  void changed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  CMutafluxBreeder& m_breeder;
};

}  // namespace tessel
