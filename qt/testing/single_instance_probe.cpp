#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

#include "qt/single_instance.h"

// Takes the toolbox's single-instance lock the way the toolbox does, tells which way it went,
// and holds the lock until its standard input closes.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  tolvar::qt::SingleInstance instance;
  if (!instance.acquire()) {
    std::puts("refused");
    return 3;
  }
  std::puts("acquired");
  std::fflush(stdout);
  for (std::string line; std::getline(std::cin, line);) {
  }
  return 0;
}
