// A label that works as a web link: drawn like a link, reachable with the keyboard, and
// activated by a click, Enter or Space, and marked by the style's focus frame while it has
// the focus. Its text() is its caption, plain.
#pragma once

#include <QLabel>

namespace velquor {

class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& caption, QWidget* parent = nullptr);

 Q_SIGNALS:
  void activated();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace velquor
