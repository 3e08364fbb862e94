#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>

namespace device {

// A failure that ends the program with a message naming the error and exit status 2:
// a file that cannot be read or written, or a settings-line character that is not a digit.
class RuntimeFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file operation on the device failed; the message names the operation, the file and the
// system's reason.
class DeviceError : public RuntimeFailure {
 public:
  DeviceError(const std::string& operation, const std::string& device_path,
              const std::string& reason);
  explicit DeviceError(const std::string& message, std::string reason = {})
      : RuntimeFailure(message), reason_(std::move(reason)) {}

  // The system's reason alone ("Permission denied"), where the error has one.
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
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace device
