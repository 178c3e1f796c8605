#include "glass_search.h"

#include <algorithm>
#include <array>
#include <utility>

namespace monocl {

namespace {

// Lower-case Cyrillic letters and the Latin letters they look like.
constexpr std::array<std::pair<char32_t, char32_t>, 11> LookAlikes{{
    {U'а', U'a'}, {U'в', U'b'}, {U'е', U'e'}, {U'к', U'k'}, {U'м', U'm'}, {U'н', U'h'},
    {U'о', U'o'}, {U'р', U'p'}, {U'с', U'c'}, {U'т', U't'}, {U'х', U'x'},
}};

// Format characters that show nothing but come along when a name is copied
// from a web page or a right-to-left text.
bool invisible(char32_t c)
{
    return c == 0x00AD                     // soft hyphen
        || c == 0x061C                     // Arabic letter mark
        || c == 0x180E                     // Mongolian vowel separator
        || (c >= 0x200B && c <= 0x200F)    // zero-width space, joiners, LRM, RLM
        || (c >= 0x202A && c <= 0x202E)    // direction embeddings and overrides
        || (c >= 0x2060 && c <= 0x2064)    // word joiner, invisible operators
        || (c >= 0x2066 && c <= 0x2069)    // direction isolates
        || c == 0xFEFF;                    // byte-order mark, zero-width no-break space
}

char32_t latinLookAlike(char32_t c)
{
    for (const auto& [cyrillic, latin] : LookAlikes)
        if (c == cyrillic)
            return latin;
    return c;
}

bool blank(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n';
}

std::u32string queryKey(std::string_view query)
{
    std::u32string key = glassSearchKey(query);
    const auto first = std::find_if_not(key.begin(), key.end(), blank);
    const auto last = std::find_if_not(key.rbegin(), key.rend(), blank).base();
    return first < last ? std::u32string(first, last) : std::u32string();
}

bool contains(const std::u32string& text, const std::u32string& part)
{
    return text.find(part) != std::u32string::npos;
}

bool kept(const Glass& g, const std::u32string& wanted)
{
    return wanted.empty() || contains(glassSearchKey(g.name), wanted)
        || contains(glassSearchKey(g.cyrillicName), wanted)
        || contains(glassSearchKey(g.maker), wanted)
        || contains(glassSearchKey(makerDisplayName(g.maker)), wanted);
}

NameMatch nameMatch(const Glass& g, const std::u32string& wanted)
{
    if (wanted.empty())
        return NameMatch::Other;
    NameMatch best = NameMatch::Other;
    for (const std::string* name : {&g.name, &g.cyrillicName}) {
        const std::u32string key = glassSearchKey(*name);
        if (key == wanted)
            return NameMatch::Whole;
        if (key.starts_with(wanted))
            best = NameMatch::Start;
    }
    return best;
}

} // namespace

std::u32string glassSearchKey(std::string_view utf8)
{
    const std::u32string folded = foldCase(utf8);
    std::u32string key;
    key.reserve(folded.size());
    for (const char32_t c : folded)
        if (!invisible(c))
            key.push_back(latinLookAlike(c));
    return key;
}

std::vector<std::size_t> filterGlasses(const std::vector<Glass>& glasses, std::string_view query)
{
    const std::u32string wanted = queryKey(query);
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < glasses.size(); ++i)
        if (kept(glasses[i], wanted))
            found.push_back(i);
    return found;
}

std::vector<GlassHit> rankGlasses(const std::vector<Glass>& glasses, std::string_view query)
{
    const std::u32string wanted = queryKey(query);
    std::vector<GlassHit> hits;
    for (std::size_t i = 0; i < glasses.size(); ++i)
        if (kept(glasses[i], wanted))
            hits.push_back({i, nameMatch(glasses[i], wanted)});
    std::stable_sort(hits.begin(), hits.end(),
                     [](const GlassHit& a, const GlassHit& b) { return a.match < b.match; });
    return hits;
}

} // namespace monocl
