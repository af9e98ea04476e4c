#include "gui/common/program_icon.h"

#include <QPainter>
#include <stdexcept>

namespace velquor {

namespace {
const QString kIconResource = QStringLiteral(":/velquor/velquor.svg");
}

QIcon ProgramIcon() { return QIcon(kIconResource); }

ProgramPicture::ProgramPicture(int side, QWidget* parent)
    : QWidget(parent), renderer_(kIconResource), side_(side) {
  if (!renderer_.isValid()) throw std::runtime_error("the program icon resource is missing");
  setFixedSize(side, side);
}

QSize ProgramPicture::sizeHint() const { return {side_, side_}; }

void ProgramPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer_.render(&painter, QRectF(rect()));
}

}  // namespace velquor
