#include "base/archive.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "test_util.h"

namespace tessel {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(Archive, ScalarsAreLittleEndianWithoutPadding) {
  CArchive out;
  out.WriteU8(0x12);
  out.WriteU16(0x3456);
  out.WriteU32(0x789ABCDE);
  out.WriteI32(-2);
  out.WriteF32(1.5f);
  out.WriteF64(1.0);
  out.WriteEndMarker();
  const Bytes expected = {0x12, 0x56, 0x34, 0xDE, 0xBC, 0x9A, 0x78, 0xFE, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xC0,
                          0x3F, 0,    0,    0,    0,    0,    0,    0xF0, 0x3F, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(out.Buffer(), expected);

  CArchive in(out.TakeBuffer());
  EXPECT_EQ(in.ReadU8(), 0x12);
  EXPECT_EQ(in.ReadU16(), 0x3456);
  EXPECT_EQ(in.ReadU32(), 0x789ABCDEu);
  EXPECT_EQ(in.ReadI32(), -2);
  EXPECT_EQ(in.ReadF32(), 1.5f);
  EXPECT_EQ(in.ReadF64(), 1.0);
  EXPECT_EQ(in.ReadU32(), CArchive::kEndMarker);
  EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, StringLengthTakesOneThreeOrSevenBytes) {
  const std::pair<size_t, Bytes> cases[] = {
      {0, {0x00}},
      {254, {0xFE}},
      {255, {0xFF, 0xFF, 0x00}},
      {0xFFFD, {0xFF, 0xFD, 0xFF}},
      {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
      {0x10000, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},
  };
  for (const auto& [length, prefix] : cases) {
    SCOPED_TRACE(length);
    std::string s(length, 'a');
    for (size_t i = 0; i < s.size(); ++i) s[i] = char('a' + i % 26);
    CArchive out;
    out.WriteString(s);
    const Bytes& b = out.Buffer();
    ASSERT_EQ(b.size(), prefix.size() + length);
    EXPECT_EQ(Bytes(b.begin(), b.begin() + ptrdiff_t(prefix.size())), prefix);
    CArchive in(out.TakeBuffer());
    EXPECT_EQ(in.ReadString(), s);
    EXPECT_EQ(in.Remaining(), 0u);
  }
}

TEST(Archive, TruncatedAndHostileInputThrows) {
  CArchive out;
  out.WriteU32(7);
  out.WriteString("Linear.tmb");
  out.WriteString(std::string(300, 'x'));
  out.WriteF64(2.5);
  out.WriteU16(9);
  const Bytes full = out.TakeBuffer();
  auto readRecord = [](CArchive& ar) {
    ar.ReadU32(), ar.ReadString(), ar.ReadString(), ar.ReadF64(), ar.ReadU16();
  };
  for (size_t n = 0; n < full.size(); ++n) {
    CArchive in(Bytes(full.begin(), full.begin() + ptrdiff_t(n)));
    EXPECT_THROW(readRecord(in), CArchiveException) << "cut at " << n;
  }
  CArchive whole(full);
  EXPECT_NO_THROW(readRecord(whole));

  uint8_t buf[4];
  CArchive three(Bytes{1, 2, 3});
  EXPECT_THROW(three.ReadBytes(buf, 4), CArchiveException);
  EXPECT_THROW(three.Skip(4), CArchiveException);
  // A string claiming 4 GiB with three characters behind it.
  CArchive longString(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c'});
  EXPECT_THROW(longString.ReadString(), CArchiveException);

  CArchive ar(Bytes(40, 0));
  EXPECT_NO_THROW(ar.CheckCount(2, 20));
  EXPECT_THROW(ar.CheckCount(3, 20), CArchiveException);
  EXPECT_THROW(ar.CheckCount(uint64_t(1) << 31, 20), CArchiveException);
  EXPECT_THROW(ar.CheckCount(UINT64_MAX, 1), CArchiveException);
  EXPECT_NO_THROW(ar.CheckCount(40, 0));  // a zero item size counts as one byte
  EXPECT_THROW(ar.CheckCount(41, 0), CArchiveException);
  ar.Skip(30);  // only what remains counts
  EXPECT_THROW(ar.CheckCount(1, 11), CArchiveException);
}

TEST(Archive, XferAndBlockMarkersWorkBothWays) {
  int32_t i = -70000, i2 = 0;
  std::string s = "Rendering Object", s2;
  CArchive out;
  EXPECT_TRUE(out.XferBlockMarker());
  out.Xfer(i), out.Xfer(s);
  out.WriteEndMarker();
  EXPECT_EQ(Bytes(out.Buffer().begin(), out.Buffer().begin() + 8), (Bytes{0, 0, 0, 0, 0x90, 0xEE, 0xFE, 0xFF}));
  CArchive in(out.TakeBuffer());
  EXPECT_TRUE(in.XferBlockMarker());
  in.Xfer(i2), in.Xfer(s2);
  EXPECT_EQ(i2, i);
  EXPECT_EQ(s2, s);
  EXPECT_FALSE(in.XferBlockMarker());  // the end of an older, shorter record
}

TEST(Archive, FromFileReadsBytesAndRefusesWhatIsNoFile) {
  test::TempDir dir;
  test::WriteText(dir.File("data.bin"), std::string("\x05hello\x00\xFF", 8));
  CArchive ar = CArchive::FromFile(dir.File("data.bin"));
  EXPECT_TRUE(ar.IsLoading());
  EXPECT_EQ(ar.ReadString(), "hello");
  EXPECT_EQ(ar.ReadU16(), 0xFF00);
  EXPECT_EQ(ar.Remaining(), 0u);
  EXPECT_THROW(CArchive::FromFile(dir.File("missing.tsl")), CArchiveException);
  // A folder opens like a file but cannot be read; still a refusal the opener catches.
  EXPECT_THROW(CArchive::FromFile(dir.Path()), CArchiveException);
}

}  // namespace
}  // namespace tessel
