#pragma once
// The exceptions raised inside the module. Every one derives from EFtbError so the exported
// entry points can turn any of them into the result the host expects.
#include <stdexcept>
#include <string>

namespace ftb {

class EFtbError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A read or write that moved fewer bytes than asked, or another failing file operation. The
// reason is the system's own word for it ("No space left on device"), or the message itself.
class EInOutError : public EFtbError {
public:
    explicit EInOutError(const std::string& message, std::string reason = {})
        : EFtbError(message), reason_(std::move(reason)) {}
    std::string Reason() const { return reason_.empty() ? what() : reason_; }

private:
    std::string reason_;
};

// A file that cannot be opened for reading or created for writing.
class EFileOpenError : public EInOutError {
public:
    using EInOutError::EInOutError;
};

// A number outside the range its target can hold (worksheet number, 32-bit integer).
class ERangeError : public EFtbError {
public:
    using EFtbError::EFtbError;
};

// A damaged enciphered file ("Invalid file format").
class ECipherException : public EFtbError {
public:
    using EFtbError::EFtbError;
};

}  // namespace ftb
