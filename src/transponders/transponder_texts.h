#pragma once

#include <string>

// "None", "1/2", "2/3", "3/4", "5/6", "7/8", and "Auto" for 6 and every other code.
std::string FecText(unsigned fec);

// "H" for 0, "V" for anything else.
std::string PolarityText(unsigned polarity);
