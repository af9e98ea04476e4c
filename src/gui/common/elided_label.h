// A one-line label that never widens its window: a text wider than the label is cut at its
// end with an ellipsis, and the whole text is the tooltip. text() and the accessible name
// stay the whole text. For texts the user typed, such as a name, which may be of any length.
#pragma once

#include <QLabel>

namespace velquor {

class ElidedLabel : public QLabel {
  Q_OBJECT

 public:
  // `hintCharacters`: the width the label asks for at most, in average characters.
  explicit ElidedLabel(int hintCharacters, QWidget* parent = nullptr);

  // Shows `text` (cut to fit) with the whole of it as the tooltip.
  void setWholeText(const QString& text);

  // The text as drawn: the whole text, or its start and an ellipsis when it does not fit.
  QString shownText() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int hintCharacters_;
};

}  // namespace velquor
