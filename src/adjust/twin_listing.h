// The listing and the second report file "elipses.tmp" written side by side:
// most lines go to both, details only to the second file, and the large
// matrices to the listing only in a full listing.
#pragma once

#include <cstdint>
#include <string>

#include "listing/listing_writer.h"

namespace ombrel {

class TwinListing {
 public:
  // Appends to the listing and creates (empties) the second file; either
  // failing to open throws FileError. listingToo: whether the lines marked
  // as full-listing lines also reach the listing.
  TwinListing(const std::string& listing, const std::string& second, bool listingToo);

  void Both(const std::string& line);
  void BothBlank(int count = 1);
  void Second(const std::string& line);
  void SecondBlank(int count = 1);
  void Listing(const std::string& line);
  void ListingBlank(int count = 1);
  // Lines of the full listing: always in the second file, in the listing
  // only when it is full.
  void Full(const std::string& line);
  void FullBlank(int count = 1);

  // Bytes given to both files so far.
  std::uint64_t BytesWritten() const { return listing_.BytesWritten() + second_.BytesWritten(); }

  // Writes both files out; a write failure throws FileError.
  void Close();

 private:
  ListingWriter listing_;
  ListingWriter second_;
  bool listingToo_;
};

// Where "elipses.tmp" goes: the folder of the listing file.
std::string SecondReportPath(const std::string& listingFileName);

}  // namespace ombrel
