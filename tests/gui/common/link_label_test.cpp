// The link label from the keyboard: a focused link is marked.
#include "gui/common/link_label.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QTest>

namespace velquor {
namespace {

// A focused link is drawn with a focus mark.
TEST(LinkLabel, FocusedLinkShowsAMark) {
  QWidget window;
  auto* other = new QPushButton(QStringLiteral("Other"), &window);
  auto* link = new LinkLabel(QStringLiteral("Visit Us Online"), &window);
  link->move(0, 40);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  other->setFocus();
  const QImage plain = link->grab().toImage();
  QTest::keyClick(other, Qt::Key_Tab);  // the mark shows when the keyboard moves the focus
  ASSERT_TRUE(link->hasFocus());
  const QImage focused = link->grab().toImage();
  EXPECT_NE(plain, focused);
}

}  // namespace
}  // namespace velquor
