#include "framework/core/desc_lexer.h"

#include <string>

#include "framework/core/error.h"
#include "framework/core/float_text.h"

namespace fw::desc {

namespace {

constexpr uint32_t kMaxCodePoint = 0x10FFFF;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Appends a code point as UTF-8; lone surrogate halves are kept as their three-byte form so
// that no data is lost.
void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }

void Lexer::SkipBlanks() {
  while (!AtEnd()) {
    char c = text_[pos_];
    if (c == '\n') {
      ++line_;
    } else if (c == '\r') {
      if (Peek(1) != '\n') ++line_;  // a lone CR ends a line too
    } else if (c == '\0' || static_cast<unsigned char>(c) > ' ') {
      return;
    }
    ++pos_;
  }
}

Token Lexer::Next() {
  SkipBlanks();
  if (AtEnd()) return Begin(Token::Kind::End);
  char c = text_[pos_];
  if (IsIdentStart(c)) return ReadIdent();
  if (IsDigit(c) || c == '$' || (c == '-' && (IsDigit(Peek(1)) || Peek(1) == '$'))) return ReadNumber();
  if (c == '\'' || c == '#') return ReadString();
  if (c == '{') return ReadBinary();
  Token t = Begin(Token::Kind::Char);
  t.ch = c;
  t.lexeme = text_.substr(pos_, 1);
  ++pos_;
  return t;
}

// An identifier, with dotted parts ("Font.Style", "Frame1.Button2") read as one token.
Token Lexer::ReadIdent() {
  Token t = Begin(Token::Kind::Ident);
  size_t start = pos_;
  for (;;) {
    while (IsIdentChar(Peek())) ++pos_;
    if (Peek() != '.') break;
    ++pos_;
    if (!IsIdentStart(Peek())) throw ParseError("Identifier expected", line_);
  }
  t.lexeme = text_.substr(start, pos_ - start);
  return t;
}

int64_t Lexer::ParseInteger(std::string_view digits, bool negative, int base) const {
  if (digits.empty()) throw ParseError("Invalid numeric value", line_);
  uint64_t value = 0;
  // Hexadecimal is taken as the 64-bit pattern, so "$FFFFFFFFFFFFFFFF" is -1.
  const uint64_t limit = base == 16 ? UINT64_MAX : (negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1);
  for (char d : digits) {
    uint64_t digit = static_cast<uint64_t>(HexDigit(d));
    if (value > (limit - digit) / static_cast<uint64_t>(base))
      throw ParseError("Integer out of range", line_);
    value = value * static_cast<uint64_t>(base) + digit;
  }
  if (negative) return static_cast<int64_t>(uint64_t{0} - value);
  return static_cast<int64_t>(value);
}

Token Lexer::ReadNumber() {
  Token t = Begin(Token::Kind::Integer);
  size_t start = pos_;
  bool negative = Peek() == '-';
  if (negative) ++pos_;
  if (Peek() == '$') {
    ++pos_;
    size_t digits = pos_;
    while (HexDigit(Peek()) >= 0) ++pos_;
    if (IsIdentChar(Peek())) throw ParseError("Invalid numeric value", line_);
    t.integer = ParseInteger(text_.substr(digits, pos_ - digits), negative, 16);
    t.lexeme = text_.substr(start, pos_ - start);
    return t;
  }
  size_t digits = pos_;
  while (IsDigit(Peek())) ++pos_;
  size_t digitsEnd = pos_;
  bool isFloat = false;
  if (Peek() == '.') {
    isFloat = true;
    ++pos_;
    while (IsDigit(Peek())) ++pos_;
  }
  if ((Peek() == 'e' || Peek() == 'E') &&
      (IsDigit(Peek(1)) || ((Peek(1) == '+' || Peek(1) == '-') && IsDigit(Peek(2))))) {
    isFloat = true;
    pos_ += 2;
    while (IsDigit(Peek())) ++pos_;
  }
  if (IsIdentChar(Peek())) throw ParseError("Invalid numeric value", line_);
  t.lexeme = text_.substr(start, pos_ - start);
  if (!isFloat) {
    t.integer = ParseInteger(text_.substr(digits, digitsEnd - digits), negative, 10);
    return t;
  }
  t.kind = Token::Kind::Float;
  if (!ParseDouble(t.lexeme, t.real)) throw ParseError("Invalid floating-point value", line_);
  return t;
}

// "#" then decimal digits, or "#$" then hexadecimal digits.
uint32_t Lexer::ReadCharCode() {
  ++pos_;
  int base = 10;
  if (Peek() == '$') {
    base = 16;
    ++pos_;
  }
  uint32_t code = 0;
  size_t start = pos_;
  for (int d; (d = HexDigit(Peek())) >= 0 && d < base; ++pos_) {
    code = code * static_cast<uint32_t>(base) + static_cast<uint32_t>(d);
    if (code > kMaxCodePoint) throw ParseError("Invalid string constant", line_);
  }
  if (pos_ == start) throw ParseError("Invalid string constant", line_);
  return code;
}

// A run of quoted pieces and "#" codes with nothing between them. Codes up to 255 are single
// bytes; higher codes (a UTF-16 surrogate pair counts as one) become UTF-8.
Token Lexer::ReadString() {
  Token t = Begin(Token::Kind::String);
  size_t start = pos_;
  for (;;) {
    char c = Peek();
    if (c == '\'') {
      ++pos_;
      for (;;) {
        if (AtEnd()) throw ParseError("Invalid string constant", line_);
        char q = text_[pos_];
        if (q == '\r' || q == '\n' || q == '\0') throw ParseError("Invalid string constant", line_);
        ++pos_;
        if (q == '\'') {
          if (Peek() != '\'') break;
          ++pos_;
        }
        t.text += q;
      }
    } else if (c == '#') {
      uint32_t code = ReadCharCode();
      if (code >= 0xD800 && code <= 0xDBFF && Peek() == '#') {
        size_t save = pos_;
        uint32_t low = ReadCharCode();
        if (low >= 0xDC00 && low <= 0xDFFF)
          code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        else
          pos_ = save;
      }
      if (code <= 0xFF)
        t.text += static_cast<char>(code);
      else
        AppendUtf8(t.text, code);
    } else {
      break;
    }
  }
  t.lexeme = text_.substr(start, pos_ - start);
  return t;
}

// "{" hexadecimal digits, possibly over several lines, "}".
Token Lexer::ReadBinary() {
  Token t = Begin(Token::Kind::Binary);
  size_t start = pos_;
  ++pos_;
  int high = -1;
  for (;;) {
    SkipBlanks();
    if (AtEnd()) throw ParseError("Invalid binary value", line_);
    char c = text_[pos_++];
    if (c == '}') break;
    int d = HexDigit(c);
    if (d < 0) throw ParseError("Invalid binary value", line_);
    if (high < 0) {
      high = d;
    } else {
      t.text += static_cast<char>(high * 16 + d);
      high = -1;
    }
  }
  if (high >= 0) throw ParseError("Invalid binary value", line_);
  t.lexeme = text_.substr(start, pos_ - start);
  return t;
}

}  // namespace fw::desc
