// refdata-build: writes the four reference files and the shensha tables from
// the sources in data/. The build runs it; it can be run by hand as well.
//
//   refdata-build DATA_DIR OUT_DIR

#include <exception>
#include <iostream>

#include "refdata_builder.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: refdata-build DATA_DIR OUT_DIR\n";
    return 2;
  }
  try {
    kelvara::refdata_build::BuildReferenceData(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::cerr << "refdata-build: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
