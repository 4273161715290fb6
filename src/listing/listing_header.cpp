#include "listing/listing_header.h"

#include <algorithm>
#include <optional>

#include "listing/file_error.h"
#include "listing/listing_layout.h"
#include "listing/listing_writer.h"
#include "listing/number_format.h"
#include "model/text_file.h"

namespace ombrel {
namespace {

constexpr const char* kProgramBanner =
    "    **************  LISTADO DE SALIDA.  PROGRAMA Ombrel  ************* ";

// The file name without its folder. Both separators count, so that names
// typed on either platform print alike.
std::string BaseName(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

// "    ***   PROYECTO ACTIVO:   red.txt   ***": as long as the star line for
// a name of even length. A name of more than 42 characters has no stars.
std::string TitleLine(const std::string& caption, const std::string& name) {
  const int length = static_cast<int>(name.size());
  const int starCount = std::max(0, (48 - length) / 2 - 3);
  const std::string stars(static_cast<std::size_t>(starCount), '*');
  return "    " + stars + "   " + caption + name + "   " + stars;
}

void WriteTitleBlock(ListingWriter& out, const std::string& caption, const std::string& path) {
  const std::string stars = StarLine() + " ";
  out.BlankLine();
  out.BlankLine();
  out.Line(stars);
  out.Line(TitleLine(caption, BaseName(path)));
  out.Line(stars);
  out.BlankLine();
  out.BlankLine();
}

// The project file line by line; a line ends in CR LF, LF or CR.
class ProjectLines {
 public:
  explicit ProjectLines(const std::string& path) : path_(path) {
    std::optional<std::string> text = ReadTextFile(path);
    if (!text) throw FileError(FileError::Kind::CannotRead, path);
    text_ = std::move(*text);
  }

  std::string Next() {
    if (at_ >= text_.size()) throw FileError(FileError::Kind::UnexpectedEnd, path_);
    const std::size_t end = std::min(text_.find_first_of("\r\n", at_), text_.size());
    std::string line = text_.substr(at_, end - at_);
    at_ = end;
    if (at_ < text_.size() && text_[at_] == '\r') ++at_;
    if (at_ < text_.size() && text_[at_] == '\n') ++at_;
    return line;
  }

 private:
  std::string path_;
  std::string text_;
  std::size_t at_ = 0;
};

// A weight as echoed: its general-format text with "0" in the sign position
// below 1 (one half is "0.5"), right-aligned in nine columns.
std::string WeightEcho(double weight) {
  std::string text = GeneralText(weight);
  if (weight < 1.0) text[0] = '0';
  constexpr std::size_t kWidth = 9;
  return std::string(kWidth > text.size() ? kWidth - text.size() : 0, ' ') + text;
}

void WriteProjectEcho(ListingWriter& out, const NetworkState& state) {
  WriteTitleBlock(out, "PROYECTO ACTIVO:   ", state.ProjectName);
  ProjectLines lines(state.ProjectName);
  out.Line("    " + lines.Next() + std::string(15, ' ') + "   Menu Revisar ");
  for (int i = 1; i <= state.Network.NumPoints; ++i) {
    const char* kind = state.Network.VariableIndex(i) == 0 ? "     fijo" : "     vble";
    out.Line("    " + lines.Next() + "  -->" + kind);
  }
  for (int i = 1; i <= state.Network.NumObs; ++i)
    out.Line("    " + lines.Next() + "  -->" + WeightEcho(state.Network.ObsWeights(2, i)));
}

void WriteImportTitles(ListingWriter& out, const NetworkState& state) {
  const char* caption = "MATRIZ ACTIVA:  ";
  WriteTitleBlock(out, caption, state.Import.ImportFileA);
  WriteTitleBlock(out, caption, state.Import.ImportFileK);
  WriteTitleBlock(out, caption, state.Import.ImportFileP);
  if (state.Import.ImportWithE) WriteTitleBlock(out, caption, state.Import.ImportFileE);
}

void WriteCounts(ListingWriter& out, const NetworkState& state) {
  if (state.Import.MatrixInput) {
    out.Line("    Numero de ecuaciones : " + std::to_string(state.Import.ImportA.rows));
    out.Line("    Numero de incognitas : " + std::to_string(state.Import.ImportA.cols));
    return;
  }
  out.Line("    Numero de vertices de la  red : " + std::to_string(state.Network.NumPoints) +
           "   ( " + std::to_string(state.Network.NumFixed) + " fijos ) ");
  out.Line("    Numero de ecuaciones  totales : " +
           std::to_string(state.Network.NumObs + state.Equations.NumCondEq) + "   ( " +
           std::to_string(state.Equations.NumCondEq) + " de condicion ) ");
  if (state.Equations.ScaleUnknown == 1) {
    out.BlankLine();
    out.Line("    Se calcula tambien el posible factor de escala a aplicar ");
  }
}

// Vertex number of the k-th variable point (the last one when several carry
// that index; 0 when none does).
int VariablePointNumber(const NetworkState& state, int k) {
  int number = 0;
  for (int i = 1; i <= state.Network.NumPoints; ++i)
    if (state.Network.VariableIndex(i) == k) number = state.Network.PointNumber(i);
  return number;
}

void WriteDesignMatrix(ListingWriter& out, const NetworkState& state, int equations) {
  const int variablePoints = state.Network.NumPoints - state.Network.NumFixed;
  WriteHeading(out, "    MATRIZ DE DISENO ( A ) ");
  std::string labels = "   ";
  std::string rules = "   ";
  for (int k = 1; k <= variablePoints; ++k) {
    const std::string n = LeftAlignedNumberLabel(VariablePointNumber(state, k));
    labels += " Vble X(" + n + " )  " + " Vble Y(" + n + " )  ";
    rules += " ------------   ------------  ";
  }
  if (state.Equations.ScaleUnknown == 1) {
    labels += " Correcc escala ";
    rules += " -------------- ";
  }
  out.Line(labels);
  out.Line(rules);

  const int coordinateColumns = 2 * variablePoints;
  for (int i = 1; i <= equations; ++i) {
    for (int j = 1; j <= coordinateColumns; ++j) out.Number(state.Equations.A(i, j), 8, 6);
    if (state.Equations.ScaleUnknown == 1)
      out.Number(state.Equations.A(i, coordinateColumns + 1), 9, 6);
    out.BlankLine();
  }
}

void WriteIndependentTerms(ListingWriter& out, const NetworkState& state, int equations) {
  out.BlankLine();
  WriteHeading(out, "    VECTOR DE TERMINOS INDEPENDIENTES ( K ) ");
  for (int i = 1; i <= equations; ++i) {
    // Angle rows are in ten-thousandths of a gon, distance rows in metres.
    const bool angle = !state.Import.MatrixInput && state.Network.ObsWeights(1, i) == 1.0;
    const int w = state.Import.MatrixInput || angle ? 10 : 6;
    const int d = angle ? 4 : 8;
    out.Number(state.Equations.K(i), w, d);
    out.BlankLine();
  }
}

void WriteWeightDiagonal(ListingWriter& out, const NetworkState& state, int equations) {
  WriteHeading(out, "    DIAGONAL DE LA MATRIZ DE PESOS ( P ) ");
  for (int i = 1; i <= equations; ++i) {
    out.Number(state.Equations.P(i, i), 10, 8);
    out.BlankLine();
  }
}

}  // namespace

void WriteListingHeader(const NetworkState& state) {
  ListingWriter out(state.ListingFileName, ListingWriter::Mode::Create);

  if (state.Import.MatrixInput)
    WriteImportTitles(out, state);
  else
    WriteProjectEcho(out, state);

  for (int i = 0; i < 4; ++i) out.BlankLine();
  WriteBanner(out, kProgramBanner, true);
  out.BlankLine();
  out.BlankLine();

  WriteCounts(out, state);

  if (state.Import.MatrixInput || state.Options.FullOutput) {
    const int equations = state.Network.NumObs + state.Equations.NumCondEq;
    WriteDesignMatrix(out, state, equations);
    WriteIndependentTerms(out, state, equations);
    WriteWeightDiagonal(out, state, equations);
  }
  out.Close();
}

}  // namespace ombrel
