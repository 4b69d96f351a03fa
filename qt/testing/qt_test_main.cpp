#include <gtest/gtest.h>

#include <QApplication>

#include "qt/application_style.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  tolvar::qt::applyApplicationStyle(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
