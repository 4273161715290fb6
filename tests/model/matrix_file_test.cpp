#include "model/matrix_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace ombrel {
namespace {

using Rows = std::vector<std::vector<double>>;

struct MatrixFile {
  // Writes the bytes as a matrix file and reads it.
  Result<ImportedMatrix> Read(const std::string& bytes, const std::string& name = "m.txt") {
    path = dir.Write(name, bytes);
    return ReadMatrixFile(path);
  }

  static void ExpectValues(const Result<ImportedMatrix>& read, const Rows& expected) {
    ASSERT_TRUE(read) << read.error().message;
    const ImportedMatrix& m = *read;
    ASSERT_EQ(m.rows, static_cast<int>(expected.size()));
    ASSERT_EQ(m.cols, static_cast<int>(expected[0].size()));
    ASSERT_EQ(m.values.Rows(), m.rows);
    ASSERT_EQ(m.values.Cols(), m.cols);
    for (int i = 1; i <= m.rows; ++i)
      for (int j = 1; j <= m.cols; ++j)
        EXPECT_EQ(m.values(i, j), expected[i - 1][j - 1]) << "(" << i << ", " << j << ")";
  }

  // The failure of a read: its message with the exclamation icon, no beep.
  static void ExpectFailure(const Result<ImportedMatrix>& read, const std::string& text) {
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error(), (Failure{text, Icon::Exclamation, false}));
  }

  testing::TempDir dir;
  std::string path;
};

struct MatrixFileTest : ::testing::Test, MatrixFile {};

const char* const kReadingError =
    "Se ha producido un error en la lectura de los ficheros de matrices.\r\n"
    "Compruebe los formatos.";

// Rows count carriage returns, columns come from the first row, and the
// elements are read in order whatever line they stand on.
TEST_F(MatrixFileTest, ElementsAreReadByTheFileRules) {
  const std::pair<std::string, Rows> cases[] = {
      {"1 2 3\r\n4 5 6", {{1, 2, 3}, {4, 5, 6}}},
      // A final line break makes one more row, left zero.
      {"1 2 3\r\n4 5 6\r\n", {{1, 2, 3}, {4, 5, 6}, {0, 0, 0}}},
      {"-2.5", {{-2.5}}},
      // Blank runs and tabs separate once.
      {"1\t\t2   3\r\n4 \t 5\t6", {{1, 2, 3}, {4, 5, 6}}},
      {"1;2;3\r\n4;5;6", {{1, 2, 3}, {4, 5, 6}}},
      // Both blank runs count and the ";" after the first is swallowed: three
      // columns, the middle one the empty token before ";", the third element
      // read from the first row's last number.
      {"1 ; 2\r\n3 4 5", {{1, 0, 2}, {3, 4, 5}}},
      // An empty field between two semicolons reads 0.
      {"1;;3\r\n4;5;6", {{1, 0, 3}, {4, 5, 6}}},
      // A short second row pulls the next row's numbers forward; the elements
      // missing at the end of the file stay 0.
      {"1 2 3\r\n4 5\r\n6 7 8", {{1, 2, 3}, {4, 5, 6}, {7, 8, 0}}},
      // Surplus elements beyond rows x cols are ignored.
      {"1 2\r\n3 4 5 6", {{1, 2}, {3, 4}}},
      // The value of an element is its longest numeric prefix.
      {"-1.5e2 +.25 abc\r\n7x 12e 5.e-1", {{-150, 0.25, 0}, {7, 12, 0.5}}},
      // Too small to represent reads 0; a lone sign or point is not a number.
      {"1e-400 - .\r\n2E+3 0.125E1 -0", {{0, 0, 0}, {2000, 1.25, 0}}},
      // Without any CR, LF ends the rows.
      {"1 2\n3 4\n5 6", {{1, 2}, {3, 4}, {5, 6}}},
      {"1;2\n3;4\n", {{1, 2}, {3, 4}, {0, 0}}},
  };
  for (const auto& [bytes, rows] : cases) {
    SCOPED_TRACE(bytes);
    ExpectValues(Read(bytes), rows);
  }
}

TEST_F(MatrixFileTest, DecimalCommaNamesTheFile) {
  const auto read = Read("1 2\r\n3,5 4", "pesos.txt");
  ExpectFailure(read, "El formato de los elementos de las matrices no es correcto:\r\n\r\nEn " +
                          path + " hay alguna ',' como separador decimal.");
}

TEST_F(MatrixFileTest, MissingFile) {
  path = dir.File("no_esta.txt");
  ExpectFailure(ReadMatrixFile(path), "¡ El fichero " + path + " no existe !");
}

// Files too large to hold: by rows, by elements (3000 columns x 2000 rows,
// each dimension within an Integer) and by bytes.
TEST(MatrixFileLimits, FilesTooLargeAreRefusedAndReadNothing) {
  std::string wide = "1";
  for (int j = 1; j < 3000; ++j) wide += " 1";
  for (int i = 1; i < 2000; ++i) wide += "\r\n";
  ASSERT_GT(3000 * 2000, kMaxMatrixElements);
  const struct {
    std::string bytes;
    bool beyondTheByteLimit;  // grown sparse: cheap to make
  } cases[] = {{"1" + std::string(40000, '\r'), false}, {wide, false}, {"1 2", true}};
  for (const auto& c : cases) {
    MatrixFile t;
    t.path = t.dir.Write("m.txt", c.bytes);
    if (c.beyondTheByteLimit) std::filesystem::resize_file(t.path, kMaxMatrixFileBytes + 1);
    MatrixFile::ExpectFailure(ReadMatrixFile(t.path),
                              "¡ El fichero " + t.path + " es demasiado grande !");
  }
}

TEST_F(MatrixFileTest, OverflowingValueOrAFolderIsAReadingError) {
  ExpectFailure(Read("1 1e999\r\n3 4"), kReadingError);
  ExpectFailure(ReadMatrixFile(dir.Path().string()), kReadingError);
}

}  // namespace
}  // namespace ombrel
