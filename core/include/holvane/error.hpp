#pragma once
// The one error type of every Atrium library: a 32-bit number and a description.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane {

// Error numbers. Validation failures use kObjectError; the event errors of proto nodes add 70 and 80.
inline constexpr std::uint32_t kObjectError = 0x80040000u;        // validation failure
inline constexpr std::uint32_t kEventInNotSupported = 0x80040046u; // unknown eventIn of a proto node
inline constexpr std::uint32_t kEventOutNotSupported = 0x80040050u; // unknown eventOut of a proto node
inline constexpr std::uint32_t kOverflow = 0x800A0006u;           // a value does not fit its type ("Overflow")
inline constexpr std::uint32_t kIndexOutOfRange = 0x800A0009u;    // list index outside 1..count
inline constexpr std::uint32_t kDivisionByZero = 0x800A000Bu;     // arithmetic with a zero divisor
inline constexpr std::uint32_t kInvalidArgument = 0x80070057u;    // unknown name or unusable argument
inline constexpr std::uint32_t kWriteFailed = 0x80004005u;        // a world could not be written

// Raised by every library of the project; what() is the description.
class Error : public std::runtime_error {
public:
    Error(std::uint32_t number, const std::string& description)
        : std::runtime_error(description), number_(number) {}

    // The error number, e.g. 0x80040000.
    std::uint32_t number() const noexcept { return number_; }
    // The description text, the same as what().
    std::string description() const { return what(); }

private:
    std::uint32_t number_;
};

// Raises a validation failure (kObjectError) with the given message.
[[noreturn]] inline void Fail(const std::string& message) { throw Error(kObjectError, message); }

}  // namespace holvane
ATRIUM_EXPORT_END
