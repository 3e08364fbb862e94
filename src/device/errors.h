#pragma once

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "language/message.h"

namespace device {

// A failure whose message a person reads in the language in use (what()), and whose English a
// record or a script keeps in every language (english()).
class Failure : public std::runtime_error {
 public:
  // A text that is the same in every language.
  explicit Failure(const std::string& text)
      : std::runtime_error(text), english_(std::make_shared<const std::string>(text)) {}
  explicit Failure(const language::Message& message)
      : std::runtime_error(message.Shown()),
        english_(std::make_shared<const std::string>(message.English())) {}

  const std::string& english() const noexcept { return *english_; }

 private:
  // Shared, so that copying the failure, as throwing it may, cannot throw.
  std::shared_ptr<const std::string> english_;
};

// A failure that ends the program with a message naming the error and exit status 2:
// a file that cannot be read or written, or a settings-line character that is not a digit.
class RuntimeFailure : public Failure {
 public:
  using Failure::Failure;
};

// A file operation on the device failed; the message names the operation, the file and the
// system's reason.
class DeviceError : public RuntimeFailure {
 public:
  DeviceError(const std::string& operation, const std::string& device_path,
              const language::Message::Value& reason);
  explicit DeviceError(const std::string& message, std::string reason = {})
      : RuntimeFailure(message), reason_(std::move(reason)) {}
  explicit DeviceError(const language::Message& message, std::string reason = {})
      : RuntimeFailure(message), reason_(std::move(reason)) {}

  // The system's reason alone ("Permission denied"), where the error has one, as shown.
  const std::string& reason() const { return reason_; }

 private:
  std::string reason_;
};

// The device root itself cannot be opened or listed.
DeviceError RootReadError(const std::filesystem::path& root, const std::string& reason);

// A settings-line character that had to be compared as a number is not a digit.
class ConversionFailure : public RuntimeFailure {
 public:
  ConversionFailure(int position, const std::string& character);
  int position() const { return position_; }

 private:
  int position_;
};

// The settings line holds a value that the screen does not accept. The text is the screen's
// file error message; the program shows it and ends with exit status 1.
class FileError : public Failure {
 public:
  using Failure::Failure;
};

}  // namespace device
