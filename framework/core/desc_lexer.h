// Tokenizer of description text. Strings, numbers and binary data are decoded here, so the
// parser sees finished values; anything it cannot use arrives as a one-byte Char token.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw::desc {

struct Token {
  enum class Kind { End, Ident, Integer, Float, String, Binary, Char };

  Kind kind = Kind::End;
  std::string_view lexeme;  // the source text of the token
  std::string text;         // String: decoded bytes; Binary: raw bytes
  int64_t integer = 0;
  double real = 0.0;
  char ch = 0;  // Char: the byte
  int line = 1;
};

class Lexer {
 public:
  explicit Lexer(std::string_view text) : text_(text) {}

  // Reads the next token; throws ParseError for a malformed string, number or binary block.
  Token Next();

 private:
  // A token of the kind that starts on the current line.
  Token Begin(Token::Kind kind) const {
    Token t;
    t.kind = kind;
    t.line = line_;
    return t;
  }
  void SkipBlanks();
  Token ReadIdent();
  Token ReadNumber();
  Token ReadString();
  Token ReadBinary();
  int64_t ParseInteger(std::string_view digits, bool negative, int base) const;
  uint32_t ReadCharCode();
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
};

bool IsIdentStart(char c);
bool IsIdentChar(char c);

}  // namespace fw::desc
