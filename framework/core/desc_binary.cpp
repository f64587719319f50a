#include "framework/core/desc_binary.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

#include "framework/core/desc_parser.h"
#include "framework/core/error.h"

namespace fw::desc {

namespace {

uint64_t ZigZag(int64_t v) { return (static_cast<uint64_t>(v) << 1) ^ (v < 0 ? ~uint64_t{0} : 0); }
int64_t UnZigZag(uint64_t v) { return static_cast<int64_t>(v >> 1) ^ -static_cast<int64_t>(v & 1); }

class BinaryWriter {
 public:
  std::string Finish(const Object& root) {
    WriteObject(root);
    std::string out(kBinarySignature);
    Unsigned(out, table_.size());
    for (const std::string* s : table_) {
      Unsigned(out, s->size());
      out += *s;
    }
    return out + tree_;
  }

 private:
  static void Unsigned(std::string& out, uint64_t v) {
    for (; v >= 0x80; v >>= 7) out += static_cast<char>((v & 0x7F) | 0x80);
    out += static_cast<char>(v);
  }
  void Unsigned(uint64_t v) { Unsigned(tree_, v); }
  void Byte(int b) { tree_ += static_cast<char>(b); }

  // Index of a string in the table, added on first use.
  void Ref(const std::string& s) {
    auto [it, added] = index_.emplace(s, table_.size());
    if (added) table_.push_back(&it->first);
    Unsigned(it->second);
  }

  void WriteProps(const std::vector<Property>& props) {
    Unsigned(props.size());
    for (const Property& p : props) {
      Ref(p.name);
      WriteValue(p.value);
    }
  }

  void WriteValue(const Value& v) {
    Byte(static_cast<int>(v.type));
    switch (v.type) {
      case Value::Type::Integer:
        Unsigned(ZigZag(v.integer));
        break;
      case Value::Type::Float: {
        uint64_t bits;
        std::memcpy(&bits, &v.real, sizeof bits);
        for (int i = 0; i < 8; ++i) Byte(static_cast<int>((bits >> (8 * i)) & 0xFF));
        break;
      }
      case Value::Type::String:
      case Value::Type::Ident:
        Ref(v.text);
        break;
      case Value::Type::Set:
        Unsigned(v.set.size());
        for (const std::string& member : v.set) Ref(member);
        break;
      case Value::Type::List:
        Unsigned(v.list.size());
        for (const Value& element : v.list) WriteValue(element);
        break;
      case Value::Type::Collection:
        Unsigned(v.items.size());
        for (const Item& item : v.items) WriteProps(item.props);
        break;
      case Value::Type::Binary:
        Unsigned(v.text.size());
        tree_ += v.text;
        break;
    }
  }

  void WriteObject(const Object& o) {
    Byte(static_cast<int>(o.kind));
    Ref(o.name);
    Ref(o.className);
    Unsigned(ZigZag(o.index));
    WriteProps(o.props);
    Unsigned(o.children.size());
    for (const Object& child : o.children) WriteObject(child);
  }

  std::map<std::string, size_t> index_;
  std::vector<const std::string*> table_;  // in order of first use
  std::string tree_;
};

class BinaryReader {
 public:
  explicit BinaryReader(std::string_view data) : data_(data), pos_(kBinarySignature.size()) {}

  Object ReadRoot() {
    if (!IsBinary(data_)) Fail();
    for (uint64_t n = Count(); n > 0; --n) {
      const size_t length = static_cast<size_t>(Count());
      strings_.emplace_back(data_.substr(pos_, length));
      pos_ += length;
    }
    Object root = ReadObject();
    if (pos_ != data_.size()) Fail();
    return root;
  }

 private:
  [[noreturn]] static void Fail() { throw Error("Invalid compiled description"); }

  int Byte() {
    if (pos_ >= data_.size()) Fail();
    return static_cast<unsigned char>(data_[pos_++]);
  }

  uint64_t Unsigned() {
    uint64_t v = 0;
    for (int shift = 0;; shift += 7) {
      const int b = Byte();
      if (shift == 63 && b > 1) Fail();
      v |= static_cast<uint64_t>(b & 0x7F) << shift;
      if (!(b & 0x80)) return v;
    }
  }

  // A count of elements or bytes still to come: never more than the bytes left.
  uint64_t Count() {
    const uint64_t n = Unsigned();
    if (n > data_.size() - pos_) Fail();
    return n;
  }

  const std::string& Ref() {
    const uint64_t i = Unsigned();
    if (i >= strings_.size()) Fail();
    return strings_[static_cast<size_t>(i)];
  }

  // Objects, lists and collections nest no deeper than the text parser allows.
  struct Nesting {
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;
    explicit Nesting(int& depth) : depth_(depth) {
      if (++depth_ > kMaxNesting) Fail();
    }
    ~Nesting() { --depth_; }
    int& depth_;
  };

  std::vector<Property> ReadProps() {
    std::vector<Property> props(static_cast<size_t>(Count()));
    for (Property& p : props) {
      p.name = Ref();
      p.value = ReadValue();
    }
    return props;
  }

  Value ReadValue() {
    Value v;
    const int type = Byte();
    if (type > static_cast<int>(Value::Type::Binary)) Fail();
    v.type = static_cast<Value::Type>(type);
    switch (v.type) {
      case Value::Type::Integer:
        v.integer = UnZigZag(Unsigned());
        break;
      case Value::Type::Float: {
        uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(Byte()) << (8 * i);
        std::memcpy(&v.real, &bits, sizeof bits);
        break;
      }
      case Value::Type::String:
      case Value::Type::Ident:
        v.text = Ref();
        break;
      case Value::Type::Set:
        v.set.resize(static_cast<size_t>(Count()));
        for (std::string& member : v.set) member = Ref();
        break;
      case Value::Type::List: {
        Nesting nesting(depth_);
        v.list.resize(static_cast<size_t>(Count()));
        for (Value& element : v.list) element = ReadValue();
        break;
      }
      case Value::Type::Collection: {
        Nesting nesting(depth_);
        v.items.resize(static_cast<size_t>(Count()));
        for (Item& item : v.items) item.props = ReadProps();
        break;
      }
      case Value::Type::Binary: {
        const size_t length = static_cast<size_t>(Count());
        v.text.assign(data_.substr(pos_, length));
        pos_ += length;
        break;
      }
    }
    return v;
  }

  Object ReadObject() {
    Nesting nesting(depth_);
    Object o;
    const int kind = Byte();
    if (kind > static_cast<int>(Object::Kind::Inline)) Fail();
    o.kind = static_cast<Object::Kind>(kind);
    o.name = Ref();
    o.className = Ref();
    const int64_t index = UnZigZag(Unsigned());
    if (index < -1 || index > INT32_MAX) Fail();
    o.index = static_cast<int>(index);
    o.props = ReadProps();
    o.children.resize(static_cast<size_t>(Count()));
    for (Object& child : o.children) child = ReadObject();
    return o;
  }

  std::string_view data_;
  size_t pos_;
  std::vector<std::string> strings_;
  int depth_ = 0;
};

}  // namespace

std::string WriteBinary(const Object& root) { return BinaryWriter().Finish(root); }

Object ReadBinary(std::string_view data) { return BinaryReader(data).ReadRoot(); }

}  // namespace fw::desc
