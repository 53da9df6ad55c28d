#pragma once

#include <array>
#include <span>
#include <string_view>

namespace tintabel {

// One line of the sample player profile the readability window draws: an attribute as the game
// names it and the value shown beside it. A special attribute is painted in the special colours.
struct PanelAttribute {
    std::string_view name;
    int value = 0;
    bool special = false;
};

// A playmaker whose values take every value from 1 to 20 at least once, so that every band and
// each of its edges shows on the panel; his two special attributes are passing and creativity.
inline constexpr std::array<PanelAttribute, 14> kTechnicalAttributes {{
    {"Corners", 14},
    {"Crossing", 12},
    {"Dribbling", 16},
    {"Finishing", 11},
    {"First Touch", 17},
    {"Free Kick Taking", 13},
    {"Heading", 6},
    {"Long Shots", 15},
    {"Long Throws", 3},
    {"Marking", 4},
    {"Passing", 19, true},
    {"Penalty Taking", 10},
    {"Tackling", 5},
    {"Technique", 18},
}};

inline constexpr std::array<PanelAttribute, 14> kMentalAttributes {{
    {"Aggression", 7},
    {"Anticipation", 15},
    {"Bravery", 8},
    {"Composure", 16},
    {"Concentration", 12},
    {"Creativity", 20, true},
    {"Decisions", 17},
    {"Determination", 14},
    {"Flair", 18},
    {"Influence", 9},
    {"Off The Ball", 13},
    {"Positioning", 2},
    {"Teamwork", 11},
    {"Work Rate", 10},
}};

inline constexpr std::array<PanelAttribute, 8> kPhysicalAttributes {{
    {"Acceleration", 13},
    {"Agility", 15},
    {"Balance", 12},
    {"Jumping", 1},
    {"Natural Fitness", 14},
    {"Pace", 11},
    {"Stamina", 16},
    {"Strength", 8},
}};

// Left to right: technical, mental, physical.
inline constexpr std::array<std::span<const PanelAttribute>, 3> kAttributeColumns {
    kTechnicalAttributes, kMentalAttributes, kPhysicalAttributes};

} // namespace tintabel
