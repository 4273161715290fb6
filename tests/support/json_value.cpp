#include "support/json_value.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace ombrel::testing {

class JsonParser {
 public:
  explicit JsonParser(const std::string& text) : text_(text) {}

  JsonValue Document() {
    JsonValue value = Value();
    Skip();
    if (pos_ != text_.size()) Fail("texto sobrante");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw std::runtime_error("JSON: " + what + " en la posición " + std::to_string(pos_));
  }
  void Skip() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }
  bool Eat(char c) {
    Skip();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  void Expect(char c) {
    if (!Eat(c)) Fail(std::string("se esperaba '") + c + "'");
  }
  bool Word(const char* word) {
    const std::string w(word);
    if (text_.compare(pos_, w.size(), w) != 0) return false;
    pos_ += w.size();
    return true;
  }

  std::string Text() {
    Expect('"');
    std::string s;
    while (pos_ < text_.size() && text_[pos_] != '"') {
      char c = text_[pos_++];
      if (c == '\\' && pos_ < text_.size()) {
        const char e = text_[pos_++];
        c = e == 'n' ? '\n' : e == 't' ? '\t' : e == 'r' ? '\r' : e;
      }
      s += c;
    }
    Expect('"');
    return s;
  }

  JsonValue Value() {
    Skip();
    if (pos_ >= text_.size()) Fail("fin inesperado");
    JsonValue v;
    const char c = text_[pos_];
    if (c == '{') {
      ++pos_;
      v.kind_ = JsonValue::Kind::Object;
      if (Eat('}')) return v;
      do {
        std::string key = Text();
        Expect(':');
        v.object_.emplace(std::move(key), Value());
      } while (Eat(','));
      Expect('}');
    } else if (c == '[') {
      ++pos_;
      v.kind_ = JsonValue::Kind::Array;
      if (Eat(']')) return v;
      do v.array_.push_back(Value());
      while (Eat(','));
      Expect(']');
    } else if (c == '"') {
      v.kind_ = JsonValue::Kind::String;
      v.string_ = Text();
    } else if (Word("true") || Word("false")) {
      v.kind_ = JsonValue::Kind::Bool;
      v.bool_ = text_[pos_ - 1] == 'e' && text_[pos_ - 2] == 'u';
    } else if (Word("null")) {
      v.kind_ = JsonValue::Kind::Null;
    } else {
      const char* start = text_.c_str() + pos_;
      char* end = nullptr;
      v.number_ = std::strtod(start, &end);
      if (end == start) Fail("valor no válido");
      v.kind_ = JsonValue::Kind::Number;
      pos_ += static_cast<std::size_t>(end - start);
    }
    return v;
  }

  const std::string& text_;
  std::size_t pos_ = 0;
};

JsonValue JsonValue::Parse(const std::string& text) {
  return JsonParser(text).Document();
}

JsonValue JsonValue::Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("no se puede leer " + path);
  return Parse(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
}

double JsonValue::Number() const {
  if (kind_ != Kind::Number) throw std::runtime_error("JSON: no es un número");
  return number_;
}
const std::string& JsonValue::String() const {
  if (kind_ != Kind::String) throw std::runtime_error("JSON: no es un texto");
  return string_;
}
bool JsonValue::Bool() const {
  if (kind_ != Kind::Bool) throw std::runtime_error("JSON: no es un valor lógico");
  return bool_;
}
const JsonValue& JsonValue::operator[](const std::string& key) const {
  const auto it = object_.find(key);
  if (kind_ != Kind::Object || it == object_.end())
    throw std::runtime_error("JSON: falta el miembro " + key);
  return it->second;
}
bool JsonValue::Has(const std::string& key) const {
  return kind_ == Kind::Object && object_.count(key) > 0;
}
const JsonValue& JsonValue::operator[](std::size_t index) const {
  if (kind_ != Kind::Array || index >= array_.size())
    throw std::runtime_error("JSON: índice fuera del intervalo");
  return array_[index];
}
std::size_t JsonValue::Size() const {
  return kind_ == Kind::Array ? array_.size() : object_.size();
}
const std::map<std::string, JsonValue>& JsonValue::Members() const {
  return object_;
}

}  // namespace ombrel::testing
