#pragma once

#include "core/real_fields.h"
#include "texts/translation.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace monocl {

// The window's inputs besides the eight real-number fields (RealFieldId), in
// the order of the tables below.
enum class SpinId { FSpin, ASpin, OtSpin, VminSP, VmaxSP, NSpin };
enum class BarId { KsfBar, KxrBar };
enum class ChoiceId { Sf1, Sf2, Sf3, fp1, RB1, RB2, sfp1, sfp2, sfp3, Sfp4 };

// A spin edit holds a text; its value is the integer the text reads as, or
// its minimum when the text is none. A value set from the program is held to
// the range; typing is not.
struct SpinControl {
    const char* name;
    int start;
    int minimum;
    int maximum;
};

inline constexpr std::array<SpinControl, 6> Spins = {{
    {"FSpin", 52, 0, 1000},
    {"ASpin", 45, 0, 70},
    {"OtSpin", 5, 1, 100},
    {"VminSP", 40, 40, 80},
    {"VmaxSP", 70, 40, 80},
    {"NSpin", 8, 4, 64},
}};

// A track bar is held to 0..100.
struct BarControl {
    const char* name;
    int start;
};

inline constexpr int BarMinimum = 0;
inline constexpr int BarMaximum = 100;
inline constexpr std::array<BarControl, 2> Bars = {{{"KsfBar", 60}, {"KxrBar", 100}}};

// One radio button: checking it unchecks the others of its group. A
// disabled one cannot be checked.
struct ChoiceControl {
    const char* name;
    int group;
    bool startChecked;
    bool enabled;
    const char* caption; // in the context "Toptmono"
};

inline constexpr std::array<ChoiceControl, 10> Choices = {{
    {"Sf1", 0, true, true, MONOCL_NOOP("Toptmono", "Нет")},
    {"Sf2", 0, false, false, MONOCL_NOOP("Toptmono", "Ж 1,4х")},
    {"Sf3", 0, false, false, MONOCL_NOOP("Toptmono", "Ж 2х")},
    {"fp1", 1, true, true, MONOCL_NOOP("Toptmono", "панхроматический")},
    {"RB1", 2, true, true, MONOCL_NOOP("Toptmono", "апланат - квазианастигмат   3)")},
    {"RB2", 2, false, true, MONOCL_NOOP("Toptmono", "анастигмат  4)")},
    {"sfp1", 3, true, true, MONOCL_NOOP("Toptmono", "Нет")},
    {"sfp2", 3, false, true, MONOCL_NOOP("Toptmono", "Ж 1,4х")},
    {"sfp3", 3, false, true, MONOCL_NOOP("Toptmono", "Ж 2х")},
    {"Sfp4", 3, false, true, MONOCL_NOOP("Toptmono", "О 2,8х")},
}};

// The texts the real-number fields hold before the program's start-up writes
// them, in the order of RealFields.
inline constexpr std::array<const char*, RealFields.size()> FieldStartTexts = {
    "1.5182", "64", "5", "2", "20", "75", "2", "2"};

template <class Id>
constexpr std::size_t indexOf(Id id)
{
    return static_cast<std::size_t>(id);
}

inline const SpinControl& spinControl(SpinId id) { return Spins[indexOf(id)]; }
inline const ChoiceControl& choiceControl(ChoiceId id) { return Choices[indexOf(id)]; }

// The integer a spin edit's text reads as: white space around it (as
// Unicode counts it), an optional sign, then digits, within an int; none
// otherwise.
std::optional<int> spinInteger(const std::string& text);

// What every input control holds.
struct InputControls {
    std::array<std::string, RealFields.size()> fields;
    std::array<std::string, Spins.size()> spins;
    std::array<int, Bars.size()> bars{};
    std::array<bool, Choices.size()> checked{};

    // As the window is built, before start-up runs.
    static InputControls atStart();

    const std::string& field(RealFieldId id) const { return fields[indexOf(id)]; }
    const std::string& spinText(SpinId id) const { return spins[indexOf(id)]; }
    int spinValue(SpinId id) const;
    int bar(BarId id) const { return bars[indexOf(id)]; }
    bool isChecked(ChoiceId id) const { return checked[indexOf(id)]; }
    // The checked choice of a group; the group's first one when none is.
    ChoiceId checkedOf(int group) const;

    bool operator==(const InputControls&) const = default;
};

} // namespace monocl
