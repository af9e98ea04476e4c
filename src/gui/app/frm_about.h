// frmAbout: the modal about box, shown from the About item of the form and of the frame.
#pragma once

#include <QDialog>

namespace velquor {

class FrmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit FrmAbout(QWidget* parent = nullptr);
};

// Shows the about box modally over `parent`; returns when cmdOK (or the close box) closed it.
void ShowAboutBox(QWidget* parent);

}  // namespace velquor
