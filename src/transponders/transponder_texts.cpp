#include "transponders/transponder_texts.h"

#include <array>

std::string FecText(unsigned fec) {
  static const std::array<const char*, 7> kTexts = {"None", "1/2", "2/3", "3/4",
                                                    "5/6",  "7/8", "Auto"};
  return fec < kTexts.size() ? kTexts[fec] : "Auto";
}

std::string PolarityText(unsigned polarity) {
  return polarity == 0 ? "H" : "V";
}
