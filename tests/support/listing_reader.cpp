#include "support/listing_reader.h"

#include <sstream>

#include "listing/listing_writer.h"
#include "model/text_file.h"

namespace ombrel::testing {

std::string CreateEmptyListing(const TempDir& dir) {
  const std::string path = dir.File("salida.tmp");
  ListingWriter(path, ListingWriter::Mode::Create).Close();
  return path;
}

std::vector<std::string> ListingLines(const std::string& path) {
  const std::string text = Cp1252ToUtf8(ReadBytes(path));
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::vector<double> Numbers(const std::string& text) {
  std::istringstream in(text);
  std::vector<double> values;
  for (double x; in >> x;) values.push_back(x);
  return values;
}

std::string Sp(int n) {
  return std::string(static_cast<std::size_t>(n), ' ');
}

std::vector<Axes> ListedAxes(const std::vector<std::string>& listing) {
  std::vector<Axes> axes;
  bool inTable = false;
  for (const auto& line : listing) {
    if (line.find("ELIPSES DE VERTICE") != std::string::npos) inTable = true;
    if (line.find("ELIPSES RELATIVAS") != std::string::npos) break;
    if (!inTable || line.find(" mts ") == std::string::npos) continue;
    std::istringstream row(line);
    std::string mts, gra;
    int label;
    double a, b, azimuth;
    row >> label >> a >> mts >> azimuth >> gra >> b;
    axes.push_back({a, b});
  }
  return axes;
}

}  // namespace ombrel::testing
