#include <fstream>
#include <iostream>

#include "script/script_runner.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: tolvar-script [FILE]\n";
    return 2;
  }
  tolvar::ScriptRunner runner(std::cout);
  if (argc == 2) {
    std::ifstream file(argv[1]);
    if (!file) {
      std::cerr << "tolvar-script: cannot read " << argv[1] << '\n';
      return 2;
    }
    return runner.run(file);
  }
  return runner.run(std::cin);
}
