#include "framework/core/desc_writer.h"

#include <cmath>

#include "framework/core/desc_lexer.h"
#include "framework/core/error.h"
#include "framework/core/float_text.h"

namespace fw::desc {

namespace {

// The exponent without leading zeros: "1e+05" becomes "1e+5".
std::string WithoutExponentZeros(std::string s) {
  size_t e = s.find('e');
  if (e == std::string::npos || e + 2 >= s.size()) return s;
  size_t first = e + 2;  // after the sign
  size_t digits = first;
  while (digits + 1 < s.size() && s[digits] == '0') ++digits;
  return s.erase(first, digits - first);
}

constexpr const char* kLineEnd = "\r\n";

// Names must read back as one identifier token: letters, digits and "_", dotted parts allowed.
const std::string& Checked(const std::string& name) {
  bool ok = !name.empty() && IsIdentStart(name[0]);
  for (size_t i = 1; ok && i < name.size(); ++i)
    ok = IsIdentChar(name[i]) || (name[i] == '.' && i + 1 < name.size() && IsIdentStart(name[i + 1]));
  if (!ok) throw Error("Invalid identifier '" + name + "'");
  return name;
}

class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}

  void WriteObject(const Object& obj, int level) {
    Indent(level);
    switch (obj.kind) {
      case Object::Kind::Object:
        out_ += "object ";
        break;
      case Object::Kind::Inherited:
        out_ += "inherited ";
        break;
      case Object::Kind::Inline:
        out_ += "inline ";
        break;
    }
    if (!obj.name.empty()) out_ += Checked(obj.name) + ": ";
    out_ += Checked(obj.className);
    if (obj.index >= 0) out_ += " [" + std::to_string(obj.index) + "]";
    out_ += kLineEnd;
    for (const Property& p : obj.props) WriteProperty(p, level + 1);
    for (const Object& child : obj.children) WriteObject(child, level + 1);
    Indent(level);
    out_ += "end";
    out_ += kLineEnd;
  }

  // The value text, starting where the writer stands; lines below it at level + 1.
  void Write(const Value& v, int level) {
    switch (v.type) {
      case Value::Type::Integer:
        out_ += std::to_string(v.integer);
        break;
      case Value::Type::Float:
        WriteFloat(v.real);
        break;
      case Value::Type::String:
        out_ += QuoteString(v.text);
        break;
      case Value::Type::Ident:
        out_ += Checked(v.text);
        break;
      case Value::Type::Set:
        out_ += '[';
        for (size_t i = 0; i < v.set.size(); ++i) {
          if (i > 0) out_ += ", ";
          out_ += Checked(v.set[i]);
        }
        out_ += ']';
        break;
      case Value::Type::List:
        out_ += '(';
        for (const Value& e : v.list) {
          NewLine(level + 1);
          Write(e, level + 1);
        }
        out_ += ')';
        break;
      case Value::Type::Collection:
        out_ += '<';
        for (const Item& item : v.items) {
          NewLine(level + 1);
          out_ += "item";
          out_ += kLineEnd;
          for (const Property& p : item.props) WriteProperty(p, level + 2);
          Indent(level + 1);
          out_ += "end";
        }
        out_ += '>';
        break;
      case Value::Type::Binary:
        WriteBinary(v.text, level);
        break;
    }
  }

 private:
  void Indent(int level) { out_.append(static_cast<size_t>(level) * 2, ' '); }
  void NewLine(int level) {
    out_ += kLineEnd;
    Indent(level);
  }

  void WriteProperty(const Property& p, int level) {
    Indent(level);
    out_ += Checked(p.name);
    out_ += " = ";
    Write(p.value, level);
    out_ += kLineEnd;
  }

  // Shortest text that reads back as the same double, always with "." or an exponent.
  void WriteFloat(double d) {
    if (!std::isfinite(d)) throw Error("Invalid floating-point value");
    // The fewest significant digits that read back exactly (17 always do).
    std::string text;
    double back = 0;
    for (int digits = 15; digits <= 17; ++digits) {
      text = FormatDouble(d, digits);
      if (ParseDouble(text, back) && back == d) break;
    }
    std::string s = WithoutExponentZeros(text);
    if (s.find_first_of(".e") == std::string::npos) s += ".0";
    out_ += s;
  }

  void WriteBinary(const std::string& bytes, int level) {
    out_ += '{';
    if (bytes.size() < kBinaryRowBytes) {
      out_ += HexText(bytes);
    } else {
      for (size_t i = 0; i < bytes.size(); i += kBinaryRowBytes) {
        NewLine(level + 1);
        out_ += HexText(std::string_view(bytes).substr(i, kBinaryRowBytes));
      }
    }
    out_ += '}';
  }

  std::string& out_;
};

}  // namespace

std::string HexText(std::string_view bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(bytes.size() * 2);
  for (char c : bytes) {
    const unsigned char b = static_cast<unsigned char>(c);
    text += kHex[b >> 4];
    text += kHex[b & 15];
  }
  return text;
}

std::string QuoteString(const std::string& text) {
  if (text.empty()) return "''";
  std::string out;
  bool quoted = false;
  for (char c : text) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < ' ' || c == '\'') {
      if (quoted) out += '\'';
      quoted = false;
      out += '#';
      out += std::to_string(u);
    } else {
      if (!quoted) out += '\'';
      quoted = true;
      out += c;
    }
  }
  if (quoted) out += '\'';
  return out;
}

std::string WriteValue(const Value& value, int level) {
  std::string out;
  Writer(out).Write(value, level);
  return out;
}

std::string Write(const Object& root) {
  std::string out;
  Writer(out).WriteObject(root, 0);
  return out;
}

}  // namespace fw::desc
