#include "framework/core/desc_parser.h"

#include <climits>
#include <utility>

#include "framework/core/desc_binary.h"
#include "framework/core/desc_lexer.h"
#include "framework/core/error.h"
#include "framework/core/text_util.h"

namespace fw::desc {

namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : lexer_(text) { Advance(); }

  Object ParseRoot() {
    if (!IsHeader()) Fail("'object' expected");
    Object root = ParseObject();
    if (tok_.kind != Token::Kind::End) Fail("End of file expected");
    return root;
  }

  Value ParseLoneValue() {
    Value value = ParseValue();
    if (tok_.kind != Token::Kind::End) Fail("End of file expected");
    return value;
  }

 private:
  // Counts the nesting of objects, lists and collections while one is being read.
  class NestingGuard {
   public:
    explicit NestingGuard(Parser& p) : p_(p) {
      if (++p_.depth_ > kMaxNesting) p_.Fail("Nesting too deep");
    }
    ~NestingGuard() { --p_.depth_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

   private:
    Parser& p_;
  };

  void Advance() { tok_ = lexer_.Next(); }

  [[noreturn]] void Fail(const char* what) const {
    if (tok_.kind == Token::Kind::End) throw ParseError("Unexpected end of file", tok_.line);
    throw ParseError(what, tok_.line);
  }

  bool IsChar(char c) const { return tok_.kind == Token::Kind::Char && tok_.ch == c; }
  bool IsKeyword(std::string_view word) const {
    return tok_.kind == Token::Kind::Ident && SameText(tok_.lexeme, word);
  }

  // Whether the token after the current one is "=": a keyword followed by "=" is a property.
  bool NextIsEquals() const {
    Lexer ahead = lexer_;
    Token t = ahead.Next();
    return t.kind == Token::Kind::Char && t.ch == '=';
  }

  bool IsHeader() const {
    return (IsKeyword("object") || IsKeyword("inherited") || IsKeyword("inline")) && !NextIsEquals();
  }
  bool IsEnd() const { return IsKeyword("end") && !NextIsEquals(); }

  std::string TakeIdent() {
    if (tok_.kind != Token::Kind::Ident) Fail("Identifier expected");
    std::string s(tok_.lexeme);
    Advance();
    return s;
  }

  void Expect(char c, const char* what) {
    if (!IsChar(c)) Fail(what);
    Advance();
  }

  Object ParseObject() {
    NestingGuard guard(*this);
    Object obj;
    obj.line = tok_.line;
    obj.kind = IsKeyword("object")      ? Object::Kind::Object
               : IsKeyword("inherited") ? Object::Kind::Inherited
                                        : Object::Kind::Inline;
    Advance();
    std::string first = TakeIdent();
    if (IsChar(':')) {
      Advance();
      obj.name = std::move(first);
      obj.className = TakeIdent();
    } else {
      obj.className = std::move(first);
    }
    if (IsChar('[')) {
      Advance();
      if (tok_.kind != Token::Kind::Integer) Fail("Integer expected");
      if (tok_.integer < 0 || tok_.integer > INT_MAX) Fail("Invalid numeric value");
      obj.index = static_cast<int>(tok_.integer);
      Advance();
      Expect(']', "']' expected");
    }
    while (!IsEnd()) {
      if (IsHeader()) {
        obj.children.push_back(ParseObject());
      } else if (!obj.children.empty()) {
        Fail("'end' expected");  // properties come before the child objects
      } else {
        obj.props.push_back(ParseProperty());
      }
    }
    Advance();
    return obj;
  }

  Property ParseProperty() {
    Property p;
    p.line = tok_.line;
    p.name = TakeIdent();
    Expect('=', "'=' expected");
    p.value = ParseValue();
    return p;
  }

  Value ParseValue() {
    Value v;
    v.line = tok_.line;
    switch (tok_.kind) {
      case Token::Kind::Integer:
        v.type = Value::Type::Integer;
        v.integer = tok_.integer;
        break;
      case Token::Kind::Float:
        v.type = Value::Type::Float;
        v.real = tok_.real;
        break;
      case Token::Kind::Ident:
        v.type = Value::Type::Ident;
        v.text = std::string(tok_.lexeme);
        break;
      case Token::Kind::Binary:
        v.type = Value::Type::Binary;
        v.text = std::move(tok_.text);
        break;
      case Token::Kind::String:
        ParseString(v);
        return v;
      case Token::Kind::Char:
        if (IsChar('['))
          ParseSet(v);
        else if (IsChar('('))
          ParseList(v);
        else if (IsChar('<'))
          ParseCollection(v);
        else
          Fail("Invalid property value");
        return v;
      case Token::Kind::End:
        Fail("Invalid property value");
    }
    Advance();
    return v;
  }

  // Pieces joined with "+", which may stand at a line end.
  void ParseString(Value& v) {
    v.type = Value::Type::String;
    v.text = std::move(tok_.text);
    Advance();
    while (IsChar('+')) {
      Advance();
      if (tok_.kind != Token::Kind::String) Fail("String expected");
      v.text += tok_.text;
      Advance();
    }
  }

  void ParseSet(Value& v) {
    v.type = Value::Type::Set;
    Advance();
    if (IsChar(']')) {
      Advance();
      return;
    }
    for (;;) {
      v.set.push_back(TakeIdent());
      if (IsChar(']')) break;
      Expect(',', "']' expected");
    }
    Advance();
  }

  void ParseList(Value& v) {
    NestingGuard guard(*this);
    v.type = Value::Type::List;
    Advance();
    while (!IsChar(')')) v.list.push_back(ParseValue());
    Advance();
  }

  void ParseCollection(Value& v) {
    NestingGuard guard(*this);
    v.type = Value::Type::Collection;
    Advance();
    while (!IsChar('>')) {
      if (!IsKeyword("item")) Fail("'item' expected");
      Advance();
      Item item;
      while (!IsEnd()) item.props.push_back(ParseProperty());
      Advance();
      v.items.push_back(std::move(item));
    }
    Advance();
  }

  Lexer lexer_;
  Token tok_;
  int depth_ = 0;
};

}  // namespace

Object Parse(std::string_view text) {
  if (IsBinary(text)) return ReadBinary(text);
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
  return Parser(text).ParseRoot();
}

Value ParseValue(std::string_view text) { return Parser(text).ParseLoneValue(); }

}  // namespace fw::desc
