// The program's icon (an SVG resource), as a window icon and as a picture control that
// stays sharp at any size and screen scaling.
#pragma once

#include <QIcon>
#include <QSvgRenderer>
#include <QWidget>

namespace velquor {

QIcon ProgramIcon();

class ProgramPicture : public QWidget {
  Q_OBJECT

 public:
  // `side`: the picture's width and height in device-independent pixels.
  explicit ProgramPicture(int side, QWidget* parent = nullptr);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer renderer_;
  int side_;
};

}  // namespace velquor
