// Writes the JQ table of Tgcode.dll: the instants of the twelve sectional
// terms of every year 1900-2100 in Beijing time, as TSV.
//
//   solar-terms-gen [output.tsv]     (standard output when no path is given)

#include <exception>
#include <fstream>
#include <iostream>
#include <ostream>
#include <stdexcept>

#include "solar_term_astronomy.h"

namespace kelvara {
namespace {

void WriteJqTable(std::ostream& out) {
  out << "YearA\tJQ\tSJ\n";
  for (int year = kFirstSolarTermYear; year <= kLastSolarTermYear; ++year) {
    for (const SectionalTermInstant& term : SectionalTermsOfYear(year)) {
      // YearA is the civil year of the instant; the terms lie days away from
      // New Year, so it is always the year they were computed for.
      if (term.beijing.year != year) {
        throw std::logic_error("a sectional term left its year");
      }
      out << year << '\t' << term.name << '\t' << FormatCivilTime(term.beijing)
          << '\n';
    }
  }
}

}  // namespace
}  // namespace kelvara

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: " << argv[0] << " [output.tsv]\n";
    return 2;
  }
  try {
    if (argc == 2) {
      std::ofstream file(argv[1], std::ios::binary);
      if (!file) {
        std::cerr << argv[0] << ": cannot write " << argv[1] << '\n';
        return 1;
      }
      kelvara::WriteJqTable(file);
      file.close();
      if (!file) {
        std::cerr << argv[0] << ": error writing " << argv[1] << '\n';
        return 1;
      }
    } else {
      kelvara::WriteJqTable(std::cout);
      std::cout.flush();
      if (!std::cout) return 1;
    }
  } catch (const std::exception& error) {
    std::cerr << argv[0] << ": " << error.what() << '\n';
    return 1;
  }
  return 0;
}
