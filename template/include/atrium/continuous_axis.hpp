#pragma once
// The axis of numeric labels generated from Min, Max and a count.
#include <cstdint>
#include <string>

#include "atrium/discrete_axis.hpp"
#include "atrium/enums.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// What a graph sets on a continuous axis to fit it to its grid.
class IContinuousAxis {
public:
    virtual ~IContinuousAxis() = default;
    // Label justification, as IDiscreteAxis::Alignment.
    virtual LabelAlignment Alignment() const = 0;
    virtual void SetAlignment(LabelAlignment value) = 0;
    // Distance between label lines, as IDiscreteAxis::LabelTextGap.
    virtual float LabelTextGap() const = 0;
    virtual void SetLabelTextGap(float value) = 0;
    // Number of labels; default 0. Setting stores the value unchecked and regenerates the labels.
    virtual std::int16_t Count() const = 0;
    virtual void SetCount(std::int16_t value) = 0;
    // Order of the lines from the first (top) one; default MAX_TO_MIN. Setting a different
    // value stores it and regenerates the labels; the current value does nothing.
    virtual LabelingOrder Order() const = 0;
    virtual void SetOrder(LabelingOrder value) = 0;
    // Centres the header on the label column, as IDiscreteAxis::AlignHeader.
    virtual void AlignHeader() = 0;
};

// An axis whose labels are Count evenly spaced numbers from Min to Max, each written with
// NumericFormat (atrium::FormatNumber). The host has no direct access to the label strings.
//
// Regeneration (on every set of Min, Max or Count and on a change of Order): step =
// (Max - Min) / (Count - 1) as a single float; the labels are cleared; label i (from 0) is
// Max - i x step with MAX_TO_MIN, i x step + Min otherwise. Count 0 or less gives no labels.
// With Count 1 there is no step: the new Min, Max or Count stays stored, the labels are left
// as they were, and holvane::Error with number holvane::kDivisionByZero is raised.
class ContinuousAxis final : public AxisBase, public IContinuousAxis {
public:
    // Builds both blocks as DiscreteAxis does; Min = Max = 0, Count 0, MAX_TO_MIN,
    // NumericFormat "###,##0.00", no labels.
    ContinuousAxis();

    // Value of the lowest label; default 0. Setting regenerates the labels.
    float Min() const { return min_; }
    void SetMin(float value);
    // Value of the highest label; default 0. Setting regenerates the labels.
    float Max() const { return max_; }
    void SetMax(float value);
    // Numeric format of the labels; default "###,##0.00". Setting only stores it: it takes
    // effect at the next regeneration.
    const std::string& NumericFormat() const { return numericFormat_; }
    void SetNumericFormat(std::string value) { numericFormat_ = std::move(value); }

    LabelAlignment Alignment() const override { return GetAlignment(); }
    void SetAlignment(LabelAlignment value) override { PutAlignment(value); }
    float LabelTextGap() const override { return GetLabelTextGap(); }
    void SetLabelTextGap(float value) override { PutLabelTextGap(value); }
    std::int16_t Count() const override { return count_; }
    void SetCount(std::int16_t value) override;
    LabelingOrder Order() const override { return order_; }
    void SetOrder(LabelingOrder value) override;
    void AlignHeader() override { PlaceHeader(); }

private:
    void GenerateLabels();

    float min_ = 0.0f;
    float max_ = 0.0f;
    std::int16_t count_ = 0;
    LabelingOrder order_ = LabelingOrder::MAX_TO_MIN;
    std::string numericFormat_ = "###,##0.00";
};

}  // namespace atrium
ATRIUM_EXPORT_END
