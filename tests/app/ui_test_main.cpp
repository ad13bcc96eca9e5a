// One QApplication for every window test, offscreen unless told otherwise.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
  QApplication app(argc, argv);
  QFont font(QStringLiteral("WenQuanYi Zen Hei"));
  font.setPointSize(9);
  QApplication::setFont(font);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
