#pragma once
// Typed VRML 97 fields: single-valued (SF) and multi-valued (MF), each with a name set once.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "holvane/error.hpp"
#include "holvane/export.hpp"
#include "holvane/field_type.hpp"
#include "holvane/interfaces.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane {

class Node;
class TextOut;

using Vec2f = std::array<float, 2>;
using Vec3f = std::array<float, 3>;
using Rgb = std::array<float, 3>;        // red, green, blue between 0 and 1
using AxisAngle = std::array<float, 4>;  // x, y, z of the axis, then the angle in radians
using NodePtr = std::shared_ptr<Node>;

// Base of every field: a type, a name set once, and its text.
class Field : public ITraversable {
public:
    virtual FieldType Type() const = 0;
    // The VRML type name, e.g. "SFColor".
    std::string_view TypeName() const { return holvane::TypeName(Type()); }
    const std::string& Name() const { return name_; }
    // Sets the name; a field is named once, so naming it again differently raises.
    void SetName(std::string_view name);

    // Writes one line "name value" at depth tabCount (node fields write their nodes below).
    void Traverse(Traverser& traverser, std::int16_t tabCount) override;
    // Passes the request to the nodes held (SFNode, MFNode); other fields hold no protos.
    void RegisterProtos(Traverser&) override {}

    // Appends the value as VRML text.
    virtual void WriteValue(TextOut& out) const = 0;
    // True when other has the same type and value (floats compared as single floats).
    virtual bool Equals(const Field& other) const = 0;
    // A new unnamed field of the same type holding the same value.
    virtual std::shared_ptr<Field> Clone() const = 0;
    // Sets the value from VRML text, e.g. "0 0 1 0" or "[\"WALK\" \"ANY\"]"; bad text raises.
    virtual void Parse(std::string_view text) = 0;

private:
    std::string name_;
};

// A single-valued field holding one V.
template <FieldType T, class V>
class SingleField : public Field {
public:
    using value_type = V;
    static constexpr FieldType kType = T;
    FieldType Type() const override { return T; }
    const V& Value() const { return value_; }
    void SetValue(V value) { value_ = std::move(value); }

    void WriteValue(TextOut& out) const override;
    bool Equals(const Field& other) const override;
    std::shared_ptr<Field> Clone() const override;
    void Parse(std::string_view text) override;

protected:
    V value_{};
};

// A single-valued field of N floats (vectors, colours, rotations).
template <FieldType T, std::size_t N>
class VectorField : public SingleField<T, std::array<float, N>> {
public:
    // Sets all N components at once.
    template <class... A>
        requires(sizeof...(A) == N)
    void SetValues(A... components) { this->value_ = {static_cast<float>(components)...}; }
    // Component i, 0 to N - 1; other positions raise kIndexOutOfRange.
    float Component(std::size_t i) const { return this->value_[Checked(i)]; }
    void SetComponent(std::size_t i, float v) { this->value_[Checked(i)] = v; }

private:
    static std::size_t Checked(std::size_t i) {
        if (i >= N)
            throw Error(kIndexOutOfRange,
                        "Component " + std::to_string(i) + " is outside 0 to " + std::to_string(N - 1));
        return i;
    }
};

class SFBool final : public SingleField<FieldType::SFBool, bool> {};
class SFInt32 final : public SingleField<FieldType::SFInt32, std::int32_t> {};
class SFFloat final : public SingleField<FieldType::SFFloat, float> {};
class SFTime final : public SingleField<FieldType::SFTime, double> {};
class SFString final : public SingleField<FieldType::SFString, std::string> {};

// A 2-vector (x, y).
class SFVec2f final : public VectorField<FieldType::SFVec2f, 2> {
public:
    float X() const { return value_[0]; }
    float Y() const { return value_[1]; }
    void SetX(float v) { value_[0] = v; }
    void SetY(float v) { value_[1] = v; }
};

// A 3-vector (x, y, z).
class SFVec3f final : public VectorField<FieldType::SFVec3f, 3> {
public:
    float X() const { return value_[0]; }
    float Y() const { return value_[1]; }
    float Z() const { return value_[2]; }
    void SetX(float v) { value_[0] = v; }
    void SetY(float v) { value_[1] = v; }
    void SetZ(float v) { value_[2] = v; }
};

// A colour of three components between 0 and 1; also readable as one packed 0x00BBGGRR value.
class SFColor final : public VectorField<FieldType::SFColor, 3> {
public:
    float Red() const { return value_[0]; }
    float Green() const { return value_[1]; }
    float Blue() const { return value_[2]; }
    void SetRed(float v) { value_[0] = v; }
    void SetGreen(float v) { value_[1] = v; }
    void SetBlue(float v) { value_[2] = v; }
    // The packed colour: red in the low byte, each component rounded to 0..255.
    std::int32_t RGBValue() const;
    // Sets red = low byte / 255, green = second byte / 255, blue = third byte / 255.
    void SetRGBValue(std::int32_t packed);
};

// A rotation: axis x, y, z and angle in radians.
class SFRotation final : public VectorField<FieldType::SFRotation, 4> {
public:
    float X() const { return value_[0]; }
    float Y() const { return value_[1]; }
    float Z() const { return value_[2]; }
    float Angle() const { return value_[3]; }
    void SetX(float v) { value_[0] = v; }
    void SetY(float v) { value_[1] = v; }
    void SetZ(float v) { value_[2] = v; }
    void SetAngle(float v) { value_[3] = v; }
    // Sets the rotation that turns about x by ax first, then about y by ay, then about z by az
    // (matrix Rz·Ry·Rx), stored as a unit axis and an angle in [0, pi]; no turn is 0 0 1 0.
    void SetEulerValues(float ax, float ay, float az);
};

// A field holding one node or none; the node is written in place of the value.
class SFNode final : public SingleField<FieldType::SFNode, NodePtr> {
public:
    void Traverse(Traverser& traverser, std::int16_t tabCount) override;
    void RegisterProtos(Traverser& traverser) override;
};

// Converts a packed 0x00BBGGRR colour into three components between 0 and 1.
Rgb RgbFromPacked(std::int32_t packed);
// Converts three components into a packed colour (each rounded and clamped to 0..255).
std::int32_t PackedFromRgb(const Rgb& rgb);

// A multi-valued field: a list of V with 1-based indexes.
template <FieldType T, class V>
class MultiField : public Field {
public:
    using value_type = V;
    static constexpr FieldType kType = T;
    FieldType Type() const override { return T; }

    // The number of values; raises an overflow error when it exceeds 32767.
    std::int16_t Count() const;
    // The number of values, without the 16-bit limit.
    std::size_t size() const { return values_.size(); }
    void Add(V value) { values_.push_back(std::move(value)); }
    // Inserts before position index (1..Count+1; Count+1 appends).
    void InsertBefore(std::int32_t index, V value);
    // The value at position index (1..Count).
    const V& Get(std::int32_t index) const;
    void Set(std::int32_t index, V value);
    // Removes the value at position index (1..Count).
    void Remove(std::int32_t index);
    void Clear() { values_.clear(); }
    // Replaces all values by those of another field of the same type.
    void CopyFrom(const MultiField& other) { values_ = other.values_; }
    // The values themselves, for bulk reading and filling.
    const std::vector<V>& Values() const { return values_; }
    std::vector<V>& Values() { return values_; }

    void WriteValue(TextOut& out) const override;
    bool Equals(const Field& other) const override;
    std::shared_ptr<Field> Clone() const override;
    void Parse(std::string_view text) override;

protected:
    std::size_t Slot(std::int32_t index, std::size_t limit) const;
    std::vector<V> values_;
};

class MFFloat final : public MultiField<FieldType::MFFloat, float> {};
class MFInt32 final : public MultiField<FieldType::MFInt32, std::int32_t> {};
class MFTime final : public MultiField<FieldType::MFTime, double> {};
class MFString final : public MultiField<FieldType::MFString, std::string> {};
class MFVec2f final : public MultiField<FieldType::MFVec2f, Vec2f> {};
class MFVec3f final : public MultiField<FieldType::MFVec3f, Vec3f> {};
class MFRotation final : public MultiField<FieldType::MFRotation, AxisAngle> {};

// A list of colours; colours may also be added and read as packed 0x00BBGGRR values.
class MFColor final : public MultiField<FieldType::MFColor, Rgb> {
public:
    void AddRGB(std::int32_t packed) { Add(RgbFromPacked(packed)); }
    std::int32_t GetRGB(std::int32_t index) const { return PackedFromRgb(Get(index)); }
};

// A list of nodes, written one below the other between brackets.
class MFNode final : public MultiField<FieldType::MFNode, NodePtr> {
public:
    // Removes the first occurrence of node; false when the list does not hold it.
    bool RemoveNode(const NodePtr& node);
    void Traverse(Traverser& traverser, std::int16_t tabCount) override;
    void RegisterProtos(Traverser& traverser) override;
};

// A new unnamed field of the given type.
std::shared_ptr<Field> MakeField(FieldType type);

// The depth below tabCount; raises an overflow error when it does not fit 16 bits.
std::int16_t NextDepth(std::int16_t tabCount);

// Raised while writing a value that is not finite; nodes add their type to the message.
class NotFiniteError : public Error {
public:
    explicit NotFiniteError(std::string field);
    const std::string& field() const { return field_; }

private:
    std::string field_;
};

}  // namespace holvane
ATRIUM_EXPORT_END
