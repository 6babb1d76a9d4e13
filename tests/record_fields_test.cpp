#include <gtest/gtest.h>

#include "database/channel_database.h"

namespace {

TEST(RecordFields, SettersTouchOnlyTheirOwnBitsAndBytes) {
  TSatellite sat;
  sat.Bytes.fill(0xFF);
  sat.SetLnbType(kLnbNormal);
  sat.SetInUse(false);
  EXPECT_EQ(sat.Bytes[35], 0b11110110);  // bits 1 and 4-7 kept
  sat.SetDiseqcType(3);
  sat.SetDiseqcPort(2);
  sat.SetOrientation(kOrientationWest);
  EXPECT_EQ(sat.Bytes[36], 0b01100011);
  EXPECT_EQ(sat.DiseqcType(), 3u);
  EXPECT_EQ(sat.DiseqcPort(), 2u);
  EXPECT_EQ(sat.Orientation(), 1u);

  TTransponder tp;
  tp.Bytes.fill(0xFF);
  tp.SetFec(2);
  tp.SetPolarity(0);
  EXPECT_EQ(tp.Bytes[10], 0b11110010);
  tp.SetFrequency(11727000);
  EXPECT_EQ(tp.Bytes[4], 0x98);
  EXPECT_EQ(tp.Bytes[7], 0x00);
  EXPECT_EQ(tp.Frequency(), 11727000u);
}

TEST(RecordFields, TextsStayInsideTheirFields) {
  TService service;
  service.Bytes.fill(0xEE);
  service.SetName(std::string(40, 'N'));
  EXPECT_EQ(service.Name(), std::string(30, 'N'));
  EXPECT_EQ(service.Bytes[120], 0);     // terminator of a full name
  EXPECT_EQ(service.Bytes[121], 0xEE);  // Language, right behind, untouched

  service.SetName("Short");
  EXPECT_EQ(service.Name(), "Short");
  EXPECT_EQ(service.Bytes[120], 0);  // the last byte is only rewritten for a full name

  TService fresh;
  fresh.Bytes.fill(0xEE);
  fresh.SetProvider("ABC");
  EXPECT_EQ(fresh.Provider(), "ABC");
  EXPECT_EQ(fresh.Bytes[25], 0);
  EXPECT_EQ(fresh.Bytes[26], 0xEE);  // byte 26 changes only for a 20-character provider

  TSatellite sat;
  sat.Bytes.fill(0xEE);
  sat.SetName(std::string(25, 'x'));
  EXPECT_EQ(sat.Name(), std::string(19, 'x'));
  EXPECT_EQ(sat.Bytes[20], 0xEE);  // LnbLowFreq untouched
}

TEST(RecordFields, TextWithoutTerminatorReadsToTheFieldEnd) {
  TSatellite sat;
  sat.Bytes.fill('A');
  EXPECT_EQ(sat.Name(), std::string(20, 'A'));
}

TEST(RecordFields, ServiceTypeOtherThanRadioIsTv) {
  TService service;
  for (std::uint8_t type : {0, 1, 3, 255}) {
    service.SetServiceType(type);
    EXPECT_FALSE(service.IsRadio()) << int(type);
  }
  service.SetServiceType(kServiceRadio);
  EXPECT_TRUE(service.IsRadio());
}

}  // namespace
