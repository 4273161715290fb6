#include "listing/listing_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "listing/file_error.h"
#include "listing/number_format.h"
#include "model/text_file.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::ReadBytes;
using testing::TempDir;

TEST(ListingWriter, NextZoneMovesToTheZoneStartAfterTheCursor) {
  TempDir dir;
  const std::string path = dir.File("salida.tmp");
  ListingWriter out(path, ListingWriter::Mode::Create);
  out.NextZone("abc");
  EXPECT_EQ(out.Column(), 14);  // column 15, the second zone
  out.NextZone("");
  EXPECT_EQ(out.Column(), 28);  // already at a zone start: on to the next one
  out.NextZone(std::string(15, 'z'));
  EXPECT_EQ(out.Column(), 56);  // 28 + 15 = 43, next zone start column 57
  out.Line("|");
  out.NextZone("Ó");  // one character, one byte on disk
  EXPECT_EQ(out.Column(), 14);
  out.BlankLine();
  EXPECT_EQ(out.Column(), 0);
  out.Close();
  EXPECT_EQ(ReadBytes(path), "abc" + std::string(11, ' ') + std::string(14, ' ') +
                                 std::string(15, 'z') + std::string(13, ' ') + "|\r\n" + "\xD3" +
                                 std::string(13, ' ') + "\r\n");
}

TEST(ListingWriter, CreateEmptiesAndAppendKeeps) {
  TempDir dir;
  const std::string path = dir.Write("salida.tmp", "anterior\r\n");
  {
    ListingWriter out(path, ListingWriter::Mode::Create);
    EXPECT_EQ(ReadBytes(path), "");  // emptied when opened, before any write
    out.Line("cabecera");
  }
  EXPECT_EQ(ReadBytes(path), "cabecera\r\n");
  {
    ListingWriter out(path, ListingWriter::Mode::Append);
    out.Line("sección");
    out.Close();
  }
  EXPECT_EQ(ReadBytes(path), "cabecera\r\nsecci\xF3n\r\n");

  const std::string missing = dir.File("nuevo.tmp");
  ListingWriter(missing, ListingWriter::Mode::Append).Line("a");
  EXPECT_EQ(ReadBytes(missing), "a\r\n");
}

TEST(ListingWriter, AFailingSectionKeepsWhatItWrote) {
  TempDir dir;
  const std::string path = dir.Write("salida.tmp", "cabecera\r\n");
  try {
    ListingWriter out(path, ListingWriter::Mode::Append);
    out.Line("primera línea");
    out.Stay("a medias");
    throw std::runtime_error("fallo del cálculo");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(ReadBytes(path), "cabecera\r\nprimera l\xEDnea\r\na medias");
}

// Many buffers' worth, numbers formatted in place, one line longer than the
// buffer and one character outside ASCII in the middle.
TEST(ListingWriter, LargeListingsArriveWholeAndInOrder) {
  TempDir dir;
  const std::string path = dir.File("salida.tmp");
  std::string expected;
  ListingWriter out(path, ListingWriter::Mode::Create);
  for (int i = 0; i < 40000; ++i) {
    const std::string line = "linea " + std::to_string(i);
    out.Stay(line);
    out.Number(i / 7.0, 4, i % 9);
    ASSERT_EQ(out.Column(), static_cast<int>(line.size() + FormatNumber(i / 7.0, 4, i % 9).size()));
    out.BlankLine();
    expected += line + FormatNumber(i / 7.0, 4, i % 9) + "\r\n";
    if (i == 20000) {
      const std::string wide(200000, 'x');
      out.Line(wide + "ñ");
      expected += wide + "\xF1\r\n";
    }
  }
  out.Close();
  EXPECT_EQ(ReadBytes(path), expected);
}

TEST(ListingWriter, UnwritablePathIsAFileError) {
  TempDir dir;
  const std::string path = dir.File("no/existe/salida.tmp");
  try {
    ListingWriter out(path, ListingWriter::Mode::Create);
    FAIL() << "se abrió un fichero imposible";
  } catch (const FileError& e) {
    EXPECT_EQ(e.kind(), FileError::Kind::CannotWrite);
    EXPECT_EQ(std::string(e.what()),
              "No se puede escribir el fichero " + path + ": la carpeta no existe.");
  }
  EXPECT_THROW(ListingWriter(path, ListingWriter::Mode::Append), FileError);
}

}  // namespace
}  // namespace ombrel
