// A bound event handler with the signature text the binding was made with.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <variant>

namespace fw {

inline constexpr std::string_view kPlainSignature = "(  )";
inline constexpr std::string_view kKeySignature = "( String ) as Boolean";

class Delegate {
 public:
  using Plain = std::function<void()>;
  using KeyFilter = std::function<bool(const std::string&)>;

  explicit Delegate(Plain handler) : handler_(std::move(handler)) {}
  explicit Delegate(KeyFilter handler) : handler_(std::move(handler)) {}

  std::string_view Signature() const {
    return std::holds_alternative<Plain>(handler_) ? kPlainSignature : kKeySignature;
  }

  // Invoking a delegate with the wrong signature is a programming error.
  void Invoke() const;
  bool Invoke(const std::string& key) const;

 private:
  std::variant<Plain, KeyFilter> handler_;
};

}  // namespace fw
