#include "data/variant.h"

#include "base/numbers.h"

namespace kervale {

double Variant::number() const {
  switch (kind_) {
    case Kind::Number:
      return number_;
    case Kind::Text:
      return Val(text_);
    case Kind::Empty:
      break;
  }
  return 0;
}

std::string Variant::text() const {
  switch (kind_) {
    case Kind::Number:
      return numText(number_);
    case Kind::Text:
      return text_;
    case Kind::Empty:
      break;
  }
  return {};
}

int Variant::toInt() const { return CLng(number()); }

Variant operator+(const Variant& a, const Variant& b) {
  const bool aText = a.isText() || (a.isEmpty() && b.isText());
  const bool bText = b.isText() || (b.isEmpty() && a.isText());
  if (aText && bText) return Variant(a.text() + b.text());
  if (a.isEmpty() && b.isEmpty()) return Variant(0.0);
  return Variant(a.number() + b.number());
}

std::partial_ordering operator<=>(const Variant& a, const Variant& b) {
  const bool aText = a.isText();
  const bool bText = b.isText();
  if (!aText && !bText) return a.number() <=> b.number();
  if (aText && b.isNumber()) return std::partial_ordering::greater;
  if (a.isNumber() && bText) return std::partial_ordering::less;
  const int c = a.text().compare(b.text());
  return c < 0   ? std::partial_ordering::less
         : c > 0 ? std::partial_ordering::greater
                 : std::partial_ordering::equivalent;
}

}  // namespace kervale
