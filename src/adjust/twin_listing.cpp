#include "adjust/twin_listing.h"

#include <filesystem>

namespace ombrel {

TwinListing::TwinListing(const std::string& listing, const std::string& second, bool listingToo)
    : listing_(listing, ListingWriter::Mode::Append),
      second_(second, ListingWriter::Mode::Create),
      listingToo_(listingToo) {}

void TwinListing::Both(const std::string& line) {
  listing_.Line(line);
  second_.Line(line);
}

void TwinListing::BothBlank(int count) {
  for (int i = 0; i < count; ++i) Both("");
}

void TwinListing::Second(const std::string& line) {
  second_.Line(line);
}

void TwinListing::SecondBlank(int count) {
  for (int i = 0; i < count; ++i) second_.Line("");
}

void TwinListing::Listing(const std::string& line) {
  listing_.Line(line);
}

void TwinListing::ListingBlank(int count) {
  for (int i = 0; i < count; ++i) listing_.Line("");
}

void TwinListing::Full(const std::string& line) {
  if (listingToo_) listing_.Line(line);
  second_.Line(line);
}

void TwinListing::FullBlank(int count) {
  for (int i = 0; i < count; ++i) Full("");
}

void TwinListing::Close() {
  listing_.Close();
  second_.Close();
}

std::string SecondReportPath(const std::string& listingFileName) {
  const std::filesystem::path folder = std::filesystem::path(listingFileName).parent_path();
  return (folder / "elipses.tmp").string();
}

}  // namespace ombrel
