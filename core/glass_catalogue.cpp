#include "glass_catalogue.h"

#include "format/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numeric>
#include <tuple>

namespace monocl {

namespace {

constexpr double kNdWeight = 100.0;

// A line's tab-separated fields; a line of more than MaxFields counts one
// more, so that it is refused as a line of too many.
constexpr std::size_t MaxFields = 6;
struct Fields
{
    std::array<std::string_view, MaxFields> field;
    std::size_t count = 0;
    std::size_t size() const { return count; }
    std::string_view operator[](std::size_t i) const { return field[i]; }
};

Fields splitFields(std::string_view line)
{
    Fields fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        if (fields.count == MaxFields) {
            ++fields.count; // one field too many
            return fields;
        }
        fields.field[fields.count++] = line.substr(start, tab == std::string_view::npos ? tab : tab - start);
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

std::string_view trimBlanks(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The whole field as a finite number with a decimal point, or nothing.
std::optional<double> readNumber(std::string_view field)
{
    field = trimBlanks(field);
    if (field.empty())
        return std::nullopt;
    double value = 0;
    const char* end = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<Glass> readGlass(std::string_view line)
{
    const Fields f = splitFields(line);
    if (f.size() != 5 && f.size() != 6)
        return std::nullopt;
    Glass g;
    g.maker = std::string(trimBlanks(f[0]));
    g.name = std::string(trimBlanks(f[1]));
    g.cyrillicName = std::string(trimBlanks(f[2]));
    if (g.maker.empty() || g.name.empty())
        return std::nullopt;
    const std::optional<double> nd = readNumber(f[3]);
    const std::optional<double> vd = readNumber(f[4]);
    if (!nd || !vd || !(*nd > 1 && *nd < 4) || !(*vd > 0 && *vd < 200))
        return std::nullopt;
    g.nd = *nd;
    g.vd = *vd;
    if (f.size() == 6)
        g.status = std::string(trimBlanks(f[5]));
    return g;
}

char32_t foldCodePoint(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)       // Latin-1 capitals
        return c + 0x20;
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2)    // Greek capitals
        return c + 0x20;
    if (c >= 0x410 && c <= 0x42F)                  // А..Я
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)                  // Ѐ..Џ, with Ё
        return c + 0x50;
    return c;
}

// Name order where runs of digits compare as numbers: K8 < K10 < K10A.
bool naturalLess(std::string_view a, std::string_view b)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (digit(a[i]) && digit(b[j])) {
            std::size_t ie = i, je = j;
            while (ie < a.size() && a[ie] == '0')
                ++ie;
            while (je < b.size() && b[je] == '0')
                ++je;
            std::size_t ia = ie, jb = je;
            while (ia < a.size() && digit(a[ia]))
                ++ia;
            while (jb < b.size() && digit(b[jb]))
                ++jb;
            if (ia - ie != jb - je)
                return ia - ie < jb - je;
            const int order = a.substr(ie, ia - ie).compare(b.substr(je, jb - je));
            if (order != 0)
                return order < 0;
            i = ia;
            j = jb;
        } else {
            if (a[i] != b[j])
                return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

// Orders glass indices by their distance from (nd, vd), then by maker, by
// name and by table position.
struct CloserTo {
    const std::vector<Glass>& glasses;
    std::vector<double> distance;

    CloserTo(const std::vector<Glass>& g, double nd, double vd) : glasses(g), distance(g.size())
    {
        for (std::size_t i = 0; i < g.size(); ++i)
            distance[i] = glassDistance(g[i].nd, g[i].vd, nd, vd);
    }

    bool operator()(std::size_t a, std::size_t b) const
    {
        if (distance[a] != distance[b])
            return distance[a] < distance[b];
        if (glasses[a].maker != glasses[b].maker)
            return glasses[a].maker < glasses[b].maker;
        if (glasses[a].name != glasses[b].name)
            return naturalLess(glasses[a].name, glasses[b].name);
        return a < b;
    }
};

// The window's own number text, so the line reads as the fields do.
std::string fixed(double v, int decimals, char separator)
{
    return fixedText(v, 8, decimals, separator);
}

} // namespace

std::vector<Glass> parseGlassTable(std::string_view tsvText)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (tsvText.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        tsvText.remove_prefix(kByteOrderMark.size());

    std::vector<Glass> glasses;
    glasses.reserve(static_cast<std::size_t>(std::count(tsvText.begin(), tsvText.end(), '\n')) + 1);
    while (!tsvText.empty()) {
        const std::size_t end = tsvText.find('\n');
        std::string_view line = tsvText.substr(0, end);
        tsvText.remove_prefix(end == std::string_view::npos ? tsvText.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (trimBlanks(line).empty() || line.front() == '#')
            continue;
        if (line.substr(0, 6) == "maker\t")   // the header line
            continue;
        if (std::optional<Glass> g = readGlass(line))
            glasses.push_back(std::move(*g));
    }
    return glasses;
}

std::u32string foldCase(std::string_view utf8)
{
    std::u32string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(utf8[k]); };
        const unsigned char b0 = byte(i);
        std::size_t length = 0;
        char32_t c = 0;
        char32_t least = 0;
        if (b0 < 0x80) {
            length = 1;
            c = b0;
        } else if (b0 >= 0xC2 && b0 <= 0xDF) {
            length = 2;
            c = b0 & 0x1F;
            least = 0x80;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            length = 3;
            c = b0 & 0x0F;
            least = 0x800;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            length = 4;
            c = b0 & 0x07;
            least = 0x10000;
        }
        bool valid = length > 0 && i + length <= utf8.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            if ((byte(i + k) & 0xC0) != 0x80)
                valid = false;
            else
                c = (c << 6) | (byte(i + k) & 0x3F);
        }
        valid = valid && c >= least && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
        if (!valid) {
            // A stray byte keeps its own place: U+DC80..U+DCFF, which no
            // valid text decodes to.
            out.push_back(static_cast<char32_t>(0xDC00 + b0));
            ++i;
            continue;
        }
        out.push_back(foldCodePoint(c));
        i += length;
    }
    return out;
}

double glassDistance(double nd1, double vd1, double nd2, double vd2)
{
    return std::hypot(kNdWeight * (nd1 - nd2), vd1 - vd2);
}

std::optional<std::size_t> nearestGlass(const std::vector<Glass>& glasses, double nd, double vd)
{
    if (glasses.empty() || !std::isfinite(nd) || !std::isfinite(vd))
        return std::nullopt;
    // One pass: the window asks on every change of the glass fields.
    const CloserTo closer(glasses, nd, vd);
    std::size_t best = 0;
    for (std::size_t i = 1; i < glasses.size(); ++i)
        if (closer(i, best))
            best = i;
    return best;
}

std::vector<std::size_t> nearestGlasses(const std::vector<Glass>& glasses, double nd, double vd,
                                        int count)
{
    if (count <= 0 || !std::isfinite(nd) || !std::isfinite(vd))
        return {};
    const CloserTo closer(glasses, nd, vd);
    std::vector<std::size_t> order(glasses.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const std::size_t kept = std::min(order.size(), static_cast<std::size_t>(count));
    std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(kept), order.end(),
                      closer);
    order.resize(kept);
    return order;
}

std::vector<std::size_t> glassesInRange(const std::vector<Glass>& glasses, double ndMin,
                                        double ndMax, double vdMin, double vdMax)
{
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < glasses.size(); ++i) {
        const Glass& g = glasses[i];
        if (g.nd >= ndMin && g.nd <= ndMax && g.vd >= vdMin && g.vd <= vdMax)
            found.push_back(i);
    }
    std::stable_sort(found.begin(), found.end(), [&](std::size_t a, std::size_t b) {
        if (glasses[a].maker != glasses[b].maker)
            return glasses[a].maker < glasses[b].maker;
        return naturalLess(glasses[a].name, glasses[b].name);
    });
    return found;
}

namespace {

bool glassNamesInLatin = false;

} // namespace

void setGlassNamesInLatin(bool latin)
{
    glassNamesInLatin = latin;
}

std::string makerDisplayName(std::string_view maker)
{
    if (maker == "LZOS" && !glassNamesInLatin)
        return "ЛЗОС";
    return std::string(maker);
}

std::string glassDisplayName(const Glass& glass)
{
    return glass.cyrillicName.empty() || glassNamesInLatin ? glass.name : glass.cyrillicName;
}

std::string nearestGlassText(const Glass& glass, double nd, double vd, char separator)
{
    return "≈ " + glassDisplayName(glass) + " (" + makerDisplayName(glass.maker) + "), Δnd "
        + fixed(std::fabs(glass.nd - nd), 4, separator) + ", ΔVd "
        + fixed(std::fabs(glass.vd - vd), 1, separator);
}

} // namespace monocl
