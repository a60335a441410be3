#pragma once
// Evaluates an equation of a calculation's working with its values substituted, as a reader
// with a calculator would: + − × / ^ ² ³, brackets, √ and the usual functions (radians).

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace kelvara::test {

class Expression {
 public:
  // The value of the text, or nothing when it is not an expression this reads.
  static std::optional<double> evaluate(std::string_view text) {
    Expression parser(text);
    const double value = parser.sum();
    parser.blanks();
    if (!parser.ok_ || parser.at_ != text.size()) return std::nullopt;
    return value;
  }

 private:
  explicit Expression(std::string_view text) : text_(text) {}

  void blanks() {
    while (at_ < text_.size() && text_[at_] == ' ') ++at_;
  }
  bool take(std::string_view token) {
    blanks();
    if (text_.substr(at_, token.size()) != token) return false;
    at_ += token.size();
    return true;
  }
  double sum() {
    double value = product();
    while (ok_) {
      if (take("+"))
        value += product();
      else if (take("-") || take("\u2212"))
        value -= product();
      else
        break;
    }
    return value;
  }
  double product() {
    double value = power();
    while (ok_) {
      if (take("*") || take("\u00D7") || take("\u00B7"))
        value *= power();
      else if (take("/"))
        value /= power();
      else
        break;
    }
    return value;
  }
  double power() {
    if (take("-") || take("\u2212")) return -power();
    double value = atom();
    while (ok_) {
      if (take("^"))
        value = std::pow(value, power());
      else if (take("\u00B2"))
        value *= value;
      else if (take("\u00B3"))
        value = value * value * value;
      else
        break;
    }
    return value;
  }
  double atom() {
    blanks();
    if (take("(")) return closed(sum());
    if (take("\u221A")) return std::sqrt(atom());
    struct Function {
      const char* name;
      double (*apply)(double);
    };
    static const Function functions[] = {
        {"sqrt", [](double x) { return std::sqrt(x); }},
        {"sin", [](double x) { return std::sin(x); }},
        {"cos", [](double x) { return std::cos(x); }},
        {"tan", [](double x) { return std::tan(x); }},
        {"asin", [](double x) { return std::asin(x); }},
        {"acos", [](double x) { return std::acos(x); }},
        {"atan", [](double x) { return std::atan(x); }},
        {"exp", [](double x) { return std::exp(x); }},
        {"ln", [](double x) { return std::log(x); }},
        {"log", [](double x) { return std::log10(x); }},
        {"abs", [](double x) { return std::fabs(x); }},
    };
    for (const Function& function : functions) {
      const std::string call = std::string(function.name) + "(";
      if (take(call)) return function.apply(closed(sum()));
    }
    std::size_t used = 0;
    const std::string rest(text_.substr(at_));
    double value = 0.0;
    try {
      value = std::stod(rest, &used);
    } catch (...) {
      used = 0;
    }
    if (used == 0 || !(std::isdigit(static_cast<unsigned char>(rest[0])) || rest[0] == '.')) {
      ok_ = false;
      return 0.0;
    }
    at_ += used;
    return value;
  }
  double closed(double value) {
    if (!take(")")) ok_ = false;
    return value;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

}  // namespace kelvara::test
