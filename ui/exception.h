#pragma once
// The framework's base exception: an error that ends the current handler and
// is shown in the standard error box, after which the program goes on.
#include <string>

namespace velk {

class Exception {
public:
    explicit Exception(std::wstring message) : message_(std::move(message)) {}
    const std::wstring& Message() const { return message_; }

private:
    std::wstring message_;
};

}  // namespace velk
