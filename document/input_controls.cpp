#include "input_controls.h"

#include <climits>
#include <string_view>

namespace monocl {

namespace {

// The white space of Unicode in UTF-8, beyond ASCII's.
constexpr std::string_view WideSpaces[] = {
    "\u0085", "\u00A0", "\u1680", "\u2000", "\u2001", "\u2002", "\u2003", "\u2004",
    "\u2005", "\u2006", "\u2007", "\u2008", "\u2009", "\u200A", "\u2028", "\u2029",
    "\u202F", "\u205F", "\u3000",
};

bool isAsciiSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The length of the white space character that starts at begin, 0 if none.
std::size_t spaceAt(const std::string& text, std::size_t begin, std::size_t end)
{
    if (begin >= end)
        return 0;
    if (isAsciiSpace(text[begin]))
        return 1;
    const std::string_view rest(text.data() + begin, end - begin);
    for (std::string_view space : WideSpaces)
        if (rest.starts_with(space))
            return space.size();
    return 0;
}

// The length of the white space character that ends at end, 0 if none.
std::size_t spaceBefore(const std::string& text, std::size_t begin, std::size_t end)
{
    if (begin >= end)
        return 0;
    if (isAsciiSpace(text[end - 1]))
        return 1;
    const std::string_view head(text.data() + begin, end - begin);
    for (std::string_view space : WideSpaces)
        if (head.ends_with(space))
            return space.size();
    return 0;
}

} // namespace

std::optional<int> spinInteger(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (std::size_t n = spaceAt(text, begin, end))
        begin += n;
    while (std::size_t n = spaceBefore(text, begin, end))
        end -= n;
    std::size_t i = begin;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == end)
        return std::nullopt;
    constexpr long long limit = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (; i < end; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) // stop before a long text overflows
            return std::nullopt;
    }
    const long long number = negative ? -magnitude : magnitude;
    if (number > INT_MAX)
        return std::nullopt;
    return static_cast<int>(number);
}

InputControls InputControls::atStart()
{
    InputControls c;
    for (std::size_t i = 0; i < c.fields.size(); ++i)
        c.fields[i] = FieldStartTexts[i];
    for (std::size_t i = 0; i < c.spins.size(); ++i)
        c.spins[i] = std::to_string(Spins[i].start);
    for (std::size_t i = 0; i < c.bars.size(); ++i)
        c.bars[i] = Bars[i].start;
    for (std::size_t i = 0; i < c.checked.size(); ++i)
        c.checked[i] = Choices[i].startChecked;
    return c;
}

int InputControls::spinValue(SpinId id) const
{
    return spinInteger(spinText(id)).value_or(spinControl(id).minimum);
}

ChoiceId InputControls::checkedOf(int group) const
{
    std::optional<ChoiceId> first;
    for (std::size_t i = 0; i < Choices.size(); ++i) {
        if (Choices[i].group != group)
            continue;
        if (checked[i])
            return static_cast<ChoiceId>(i);
        if (!first)
            first = static_cast<ChoiceId>(i);
    }
    return first.value_or(ChoiceId::Sf1);
}

} // namespace monocl
