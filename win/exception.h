#pragma once
// The program's own error: it ends the current handler and is shown in the
// standard error box, after which the program goes on. Its message is the
// text shown; what() only names the kind for code that knows nothing of it.
#include <exception>
#include <string>

namespace velk {

class Exception : public std::exception {
public:
    explicit Exception(std::wstring message) : message_(std::move(message)) {}
    const std::wstring& Message() const { return message_; }
    const char* what() const noexcept override { return "velk::Exception"; }

private:
    std::wstring message_;
};

}  // namespace velk
