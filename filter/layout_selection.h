// What picking a layout does to the strategies and identifier fields on offer.
#pragma once

#include <array>

#include "filter/layouts.h"

namespace filter {

enum class FieldChange { Keep, Enable, Disable };

// Identifier fields in the order they are written: ID1 decimal, ID2 decimal, ID1 hex, ID2 hex.
constexpr int kIdFieldCount = 4;

struct LayoutSelectionRule {
    bool offersIdList;       // enabled state of the one-or-two-IDs option
    bool selectsCustomBits;  // the layout cannot be served by ID entry
    std::array<FieldChange, kIdFieldCount> idFields;
};

namespace detail {
constexpr auto K = FieldChange::Keep;
constexpr auto E = FieldChange::Enable;
constexpr auto D = FieldChange::Disable;
}  // namespace detail

// Indexed by FilterLayout.
constexpr std::array<LayoutSelectionRule, kFilterLayoutCount> kLayoutSelectionRules{{
    {true, false, {detail::K, detail::K, detail::K, detail::K}},
    {false, true, {detail::D, detail::D, detail::D, detail::D}},
    {true, false, {detail::E, detail::E, detail::E, detail::E}},
    {false, true, {detail::D, detail::D, detail::D, detail::D}},
    {true, false, {detail::E, detail::D, detail::E, detail::D}},
    {false, true, {detail::D, detail::D, detail::D, detail::D}},
    {false, true, {detail::D, detail::D, detail::D, detail::D}},
}};

constexpr const LayoutSelectionRule &SelectionRule(FilterLayout layout) {
    return kLayoutSelectionRules[static_cast<int>(layout)];
}

}  // namespace filter
