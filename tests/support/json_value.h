// A small reader of JSON documents for the expected results of the
// validation networks: objects, arrays, numbers, strings, true/false/null.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ombrel::testing {

class JsonValue {
 public:
  enum class Kind { Null, Bool, Number, String, Array, Object };

  // Parses a whole document; throws std::runtime_error when malformed.
  static JsonValue Parse(const std::string& text);
  // Reads and parses a file.
  static JsonValue Load(const std::string& path);

  Kind kind() const { return kind_; }
  double Number() const;
  const std::string& String() const;
  bool Bool() const;
  // Member of an object; throws when missing.
  const JsonValue& operator[](const std::string& key) const;
  bool Has(const std::string& key) const;
  // Element of an array (0-based); throws when out of range.
  const JsonValue& operator[](std::size_t index) const;
  std::size_t Size() const;
  const std::map<std::string, JsonValue>& Members() const;

 private:
  friend class JsonParser;
  Kind kind_ = Kind::Null;
  double number_ = 0.0;
  bool bool_ = false;
  std::string string_;
  std::vector<JsonValue> array_;
  std::map<std::string, JsonValue> object_;
};

}  // namespace ombrel::testing
