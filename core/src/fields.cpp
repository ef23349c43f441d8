#include "holvane/fields.hpp"

#include <charconv>
#include <cmath>
#include <limits>

#include "holvane/node.hpp"
#include "holvane/text_out.hpp"
#include "holvane/traverser.hpp"
#include "vrml_tokens.hpp"

namespace holvane {
namespace {

using detail::VrmlTokens;

[[noreturn]] void BadText(FieldType type, std::string_view text) {
    throw Error(kInvalidArgument,
                "Cannot read \"" + std::string(text) + "\" as a value of type " + std::string(TypeName(type)));
}

// Reading one value of each element type from tokens; false when the tokens do not hold one.
template <class T>
bool ParseNumber(VrmlTokens& tokens, T& value) {
    std::string_view token = tokens.Next();
    auto result = std::from_chars(token.data(), token.data() + token.size(), value);
    return !token.empty() && result.ec == std::errc() && result.ptr == token.data() + token.size();
}
bool ParseValue(VrmlTokens& tokens, float& value) { return ParseNumber(tokens, value); }
bool ParseValue(VrmlTokens& tokens, double& value) { return ParseNumber(tokens, value); }
bool ParseValue(VrmlTokens& tokens, std::int32_t& value) { return ParseNumber(tokens, value); }
bool ParseValue(VrmlTokens& tokens, bool& value) {
    std::string_view token = tokens.Next();
    value = token == "TRUE";
    return token == "TRUE" || token == "FALSE";
}
bool ParseValue(VrmlTokens& tokens, std::string& value) { return VrmlTokens::Unquote(tokens.Next(), value); }
bool ParseValue(VrmlTokens& tokens, NodePtr& value) {
    value = nullptr;
    return tokens.Next() == "NULL";
}
template <std::size_t N>
bool ParseValue(VrmlTokens& tokens, std::array<float, N>& value) {
    for (float& component : value)
        if (!ParseNumber(tokens, component)) return false;
    return true;
}

// Writing one value of each element type.
void WriteElement(TextOut& out, float value) { out.AppendFloat(value); }
void WriteElement(TextOut& out, double value) { out.AppendDouble(value); }
void WriteElement(TextOut& out, std::int32_t value) { out.AppendInt(value); }
void WriteElement(TextOut& out, bool value) { out.AppendBool(value); }
void WriteElement(TextOut& out, const std::string& value) { out.AppendString(value); }
void WriteElement(TextOut& out, const NodePtr& value) {
    out.Append(value ? std::string_view(value->NodeType()) : std::string_view("NULL"));
}
template <std::size_t N>
void WriteElement(TextOut& out, const std::array<float, N>& value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (i) out.Append(' ');
        out.AppendFloat(value[i]);
    }
}

// Equality of elements: floats as single floats, nodes by identity.
template <class V>
bool SameElement(const V& a, const V& b) { return a == b; }

}  // namespace

void Field::SetName(std::string_view name) {
    if (!name_.empty() && name_ != name)
        throw Error(kInvalidArgument, "The field \"" + name_ + "\" is already named and cannot be renamed \"" +
                                          std::string(name) + "\"");
    name_ = name;
}

void Field::Traverse(Traverser& traverser, std::int16_t tabCount) {
    TextOut& out = traverser.BeginLine(tabCount);
    out.Append(name_);
    out.Append(' ');
    try {
        WriteValue(out);
    } catch (const NotFiniteError&) {
        throw NotFiniteError(name_);
    }
    traverser.EndLine();
}

template <FieldType T, class V>
void SingleField<T, V>::WriteValue(TextOut& out) const { WriteElement(out, value_); }

template <FieldType T, class V>
bool SingleField<T, V>::Equals(const Field& other) const {
    auto* same = dynamic_cast<const SingleField*>(&other);
    return same && SameElement(value_, same->value_);
}

template <FieldType T, class V>
std::shared_ptr<Field> SingleField<T, V>::Clone() const {
    auto copy = MakeField(T);
    static_cast<SingleField&>(*copy).value_ = value_;
    return copy;
}

template <FieldType T, class V>
void SingleField<T, V>::Parse(std::string_view text) {
    VrmlTokens tokens(text);
    V value{};
    if (!ParseValue(tokens, value) || !tokens.AtEnd()) BadText(T, text);
    value_ = std::move(value);
}

template <FieldType T, class V>
std::int16_t MultiField<T, V>::Count() const {
    if (values_.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
        throw Error(kOverflow, "Overflow: field \"" + Name() + "\" holds " + std::to_string(values_.size()) +
                                   " values, more than a 16-bit count can hold");
    return static_cast<std::int16_t>(values_.size());
}

template <FieldType T, class V>
std::size_t MultiField<T, V>::Slot(std::int32_t index, std::size_t limit) const {
    if (index < 1 || static_cast<std::size_t>(index) > limit)
        throw Error(kIndexOutOfRange, "Index " + std::to_string(index) + " is outside 1 to " +
                                          std::to_string(limit) + " of field \"" + Name() + "\"");
    return static_cast<std::size_t>(index - 1);
}

template <FieldType T, class V>
void MultiField<T, V>::InsertBefore(std::int32_t index, V value) {
    std::size_t slot = Slot(index, values_.size() + 1);
    values_.insert(values_.begin() + static_cast<std::ptrdiff_t>(slot), std::move(value));
}

template <FieldType T, class V>
const V& MultiField<T, V>::Get(std::int32_t index) const { return values_[Slot(index, values_.size())]; }

template <FieldType T, class V>
void MultiField<T, V>::Set(std::int32_t index, V value) { values_[Slot(index, values_.size())] = std::move(value); }

template <FieldType T, class V>
void MultiField<T, V>::Remove(std::int32_t index) {
    values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(Slot(index, values_.size())));
}

template <FieldType T, class V>
void MultiField<T, V>::WriteValue(TextOut& out) const {
    // Scalars are separated by a space, vectors by a comma, so each vector reads as one value.
    constexpr std::string_view separator = std::is_same_v<V, float> || std::is_same_v<V, std::int32_t> ||
                                                   std::is_same_v<V, double>
                                               ? " "
                                               : ", ";
    out.Append('[');
    for (std::size_t i = 0; i < values_.size(); ++i) {
        out.Append(i ? separator : std::string_view(" "));
        WriteElement(out, values_[i]);
    }
    out.Append(values_.empty() ? "]" : " ]");
}

template <FieldType T, class V>
bool MultiField<T, V>::Equals(const Field& other) const {
    auto* same = dynamic_cast<const MultiField*>(&other);
    if (!same || same->values_.size() != values_.size()) return false;
    for (std::size_t i = 0; i < values_.size(); ++i)
        if (!SameElement(values_[i], same->values_[i])) return false;
    return true;
}

template <FieldType T, class V>
std::shared_ptr<Field> MultiField<T, V>::Clone() const {
    auto copy = MakeField(T);
    static_cast<MultiField&>(*copy).values_ = values_;
    return copy;
}

template <FieldType T, class V>
void MultiField<T, V>::Parse(std::string_view text) {
    VrmlTokens tokens(text);
    std::vector<V> values;
    bool bracketed = tokens.Peek() == "[";
    if (bracketed) tokens.Next();
    while (!tokens.AtEnd() && !(bracketed && tokens.Peek() == "]")) {
        V value{};
        if (!ParseValue(tokens, value)) BadText(T, text);
        values.push_back(std::move(value));
        if (!bracketed) break;
    }
    if (bracketed && tokens.Next() != "]") BadText(T, text);
    if (!tokens.AtEnd()) BadText(T, text);
    values_ = std::move(values);
}

template class SingleField<FieldType::SFBool, bool>;
template class SingleField<FieldType::SFInt32, std::int32_t>;
template class SingleField<FieldType::SFFloat, float>;
template class SingleField<FieldType::SFTime, double>;
template class SingleField<FieldType::SFString, std::string>;
template class SingleField<FieldType::SFVec2f, Vec2f>;
template class SingleField<FieldType::SFVec3f, Vec3f>;
template class SingleField<FieldType::SFColor, Rgb>;
template class SingleField<FieldType::SFRotation, AxisAngle>;
template class SingleField<FieldType::SFNode, NodePtr>;
template class MultiField<FieldType::MFFloat, float>;
template class MultiField<FieldType::MFInt32, std::int32_t>;
template class MultiField<FieldType::MFTime, double>;
template class MultiField<FieldType::MFString, std::string>;
template class MultiField<FieldType::MFVec2f, Vec2f>;
template class MultiField<FieldType::MFVec3f, Vec3f>;
template class MultiField<FieldType::MFColor, Rgb>;
template class MultiField<FieldType::MFRotation, AxisAngle>;
template class MultiField<FieldType::MFNode, NodePtr>;

Rgb RgbFromPacked(std::int32_t packed) {
    auto byte = [packed](int shift) { return static_cast<float>((packed >> shift) & 0xFF) / 255.0f; };
    return {byte(0), byte(8), byte(16)};
}

std::int32_t PackedFromRgb(const Rgb& rgb) {
    std::int32_t packed = 0;
    for (int i = 0; i < 3; ++i) {
        float c = std::isnan(rgb[i]) ? 0.0f : std::clamp(rgb[i], 0.0f, 1.0f);
        packed |= static_cast<std::int32_t>(std::lround(c * 255.0f)) << (8 * i);
    }
    return packed;
}

std::int32_t SFColor::RGBValue() const { return PackedFromRgb(value_); }
void SFColor::SetRGBValue(std::int32_t packed) { value_ = RgbFromPacked(packed); }

void SFRotation::SetEulerValues(float ax, float ay, float az) {
    // Compose unit quaternions qz·qy·qx (x applied first), then read axis and angle off the result.
    struct Quaternion {
        double w, x, y, z;
        Quaternion operator*(const Quaternion& o) const {
            return {w * o.w - x * o.x - y * o.y - z * o.z, w * o.x + x * o.w + y * o.z - z * o.y,
                    w * o.y - x * o.z + y * o.w + z * o.x, w * o.z + x * o.y - y * o.x + z * o.w};
        }
    };
    auto turn = [](double angle, int axis) {
        Quaternion q{std::cos(angle / 2), 0, 0, 0};
        double s = std::sin(angle / 2);
        (axis == 0 ? q.x : axis == 1 ? q.y : q.z) = s;
        return q;
    };
    Quaternion q = turn(az, 2) * turn(ay, 1) * turn(ax, 0);
    if (q.w < 0) q = {-q.w, -q.x, -q.y, -q.z};
    double s = std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z);
    if (s < 1e-12) {
        value_ = {0, 0, 1, 0};
        return;
    }
    double angle = 2 * std::atan2(s, q.w);
    value_ = {static_cast<float>(q.x / s), static_cast<float>(q.y / s), static_cast<float>(q.z / s),
              static_cast<float>(angle)};
}

void SFNode::RegisterProtos(Traverser& traverser) {
    if (value_) value_->RegisterProtos(traverser);
}

void MFNode::RegisterProtos(Traverser& traverser) {
    for (const auto& node : values_)
        if (node) node->RegisterProtos(traverser);
}

void SFNode::Traverse(Traverser& traverser, std::int16_t tabCount) {
    if (!value_) return Field::Traverse(traverser, tabCount);
    traverser.PrefixNextLine(Name(), tabCount);
    value_->Traverse(traverser, tabCount);
}

bool MFNode::RemoveNode(const NodePtr& node) {
    auto it = std::find(values_.begin(), values_.end(), node);
    if (it == values_.end()) return false;
    values_.erase(it);
    return true;
}

void MFNode::Traverse(Traverser& traverser, std::int16_t tabCount) {
    if (values_.empty()) return Field::Traverse(traverser, tabCount);
    TextOut& out = traverser.BeginLine(tabCount);
    out.Append(Name());
    out.Append(" [");
    traverser.EndLine();
    std::int16_t inner = NextDepth(tabCount);
    for (const NodePtr& node : values_) node->Traverse(traverser, inner);
    traverser.BeginLine(tabCount).Append(']');
    traverser.EndLine();
}

std::shared_ptr<Field> MakeField(FieldType type) {
    switch (type) {
        case FieldType::SFBool: return std::make_shared<SFBool>();
        case FieldType::SFColor: return std::make_shared<SFColor>();
        case FieldType::SFFloat: return std::make_shared<SFFloat>();
        case FieldType::SFInt32: return std::make_shared<SFInt32>();
        case FieldType::SFNode: return std::make_shared<SFNode>();
        case FieldType::SFRotation: return std::make_shared<SFRotation>();
        case FieldType::SFString: return std::make_shared<SFString>();
        case FieldType::SFTime: return std::make_shared<SFTime>();
        case FieldType::SFVec2f: return std::make_shared<SFVec2f>();
        case FieldType::SFVec3f: return std::make_shared<SFVec3f>();
        case FieldType::MFColor: return std::make_shared<MFColor>();
        case FieldType::MFFloat: return std::make_shared<MFFloat>();
        case FieldType::MFInt32: return std::make_shared<MFInt32>();
        case FieldType::MFNode: return std::make_shared<MFNode>();
        case FieldType::MFRotation: return std::make_shared<MFRotation>();
        case FieldType::MFString: return std::make_shared<MFString>();
        case FieldType::MFTime: return std::make_shared<MFTime>();
        case FieldType::MFVec2f: return std::make_shared<MFVec2f>();
        case FieldType::MFVec3f: return std::make_shared<MFVec3f>();
    }
    throw Error(kInvalidArgument, "Unknown field type");
}

std::int16_t NextDepth(std::int16_t tabCount) {
    if (tabCount == std::numeric_limits<std::int16_t>::max())
        throw Error(kOverflow, "Overflow: nesting depth " + std::to_string(tabCount) + " + 1 does not fit 16 bits");
    return static_cast<std::int16_t>(tabCount + 1);
}

NotFiniteError::NotFiniteError(std::string field)
    : Error(kInvalidArgument, field.empty() ? "A value that is not finite (NaN or infinity) cannot be written"
                                            : "The value of field \"" + field +
                                                  "\" is not finite (NaN or infinity) and cannot be written"),
      field_(std::move(field)) {}

}  // namespace holvane
