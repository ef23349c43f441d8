#pragma once
// The colour type of the data layer, written in web order (0xRRGGBB), usable wherever the object
// model takes a packed colour.
#include <cstdint>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// A colour given as 0xRRGGBB, the order of web colours ("#FF8800" is Rgb(0xFF8800)). It converts
// to the object model's packed 0x00BBGGRR, so every call that takes a colour (AddPoint,
// SetLabelColor, SetWallColor, AddLegendEntry, ...) also takes an Rgb.
class Rgb {
public:
    constexpr Rgb() = default;
    // Bits above the low 24 are dropped.
    constexpr Rgb(std::uint32_t rrggbb) : value_(rrggbb & 0xFFFFFFu) {}
    constexpr Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
        : value_((std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | blue) {}
    constexpr std::uint8_t Red() const { return static_cast<std::uint8_t>(value_ >> 16); }
    constexpr std::uint8_t Green() const { return static_cast<std::uint8_t>(value_ >> 8); }
    constexpr std::uint8_t Blue() const { return static_cast<std::uint8_t>(value_); }
    // The web-order value 0xRRGGBB.
    constexpr std::uint32_t Value() const { return value_; }
    // The object model's packed form, red in the low byte (0x00BBGGRR).
    constexpr std::int32_t Packed() const {
        return static_cast<std::int32_t>((std::uint32_t{Blue()} << 16) | (std::uint32_t{Green()} << 8) | Red());
    }
    constexpr operator std::int32_t() const { return Packed(); }
    // The colour of a packed 0x00BBGGRR value.
    static constexpr Rgb FromPacked(std::int32_t bbggrr) {
        const auto v = static_cast<std::uint32_t>(bbggrr);
        return Rgb(static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16));
    }
    friend constexpr bool operator==(Rgb, Rgb) = default;

private:
    std::uint32_t value_ = 0;
};

}  // namespace atrium
ATRIUM_EXPORT_END
