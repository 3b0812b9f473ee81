#pragma once
// TForm2: the splash window shown while the program starts.
#include <QWidget>

namespace quillo::canvas {

class TForm2 : public QWidget {
    Q_OBJECT
  public:
    TForm2();

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quillo::canvas
