#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace monocl {

// One optical glass of a maker's catalogue. Names are UTF-8; cyrillicName is
// the Russian catalogue name (К8 for LZOS K8) and empty for the other makers.
// status is the catalogue's word for it (standard, preferred, special,
// inquiry, obsolete) or empty.
struct Glass {
    std::string maker, name, cyrillicName;
    double nd = 0, vd = 0;
    std::string status;
};

// Reads the glass table (resources/glasses.tsv): '#' comment lines, a header
// line starting with "maker", then one tab-separated line per glass: maker,
// name, Cyrillic name, nd, Vd and an optional status, numbers with a decimal
// point. A line that does not read as a glass (too few fields, an empty maker
// or name, nd not in (1, 4), Vd not in (0, 200), text after a number) is
// skipped. Accepts "\r\n" line ends and a leading byte-order mark.
std::vector<Glass> parseGlassTable(std::string_view tsvText);

// How far a glass (nd, vd) lies from the wanted (nd, vd): the Euclidean
// distance with the index difference weighted by 100, so that 0.01 in nd
// counts as much as 1 in Vd. Over the catalogues' range (nd 1.4 to 2.0, Vd
// 20 to 95) that gives both differences a similar span, and for a monocle
// a step of 0.01 in nd changes the bending about as much as a step of 1 in
// Vd changes the chromatic aberration.
double glassDistance(double nd1, double vd1, double nd2, double vd2);

// The glass nearest to (nd, vd) by glassDistance; of glasses at the same
// distance the first by maker, then by name, then by table position. None
// for an empty list or a non-finite nd or vd.
std::optional<std::size_t> nearestGlass(const std::vector<Glass>& glasses, double nd, double vd);

// The count nearest glasses, nearest first, in the order of nearestGlass;
// fewer when the list is shorter, none for count <= 0.
std::vector<std::size_t> nearestGlasses(const std::vector<Glass>& glasses, double nd, double vd,
                                        int count);

// The glasses with ndMin <= nd <= ndMax and vdMin <= vd <= vdMax, sorted by
// maker, then by name (runs of digits compared as numbers, so K8 comes
// before K10), then by table position.
std::vector<std::size_t> glassesInRange(const std::vector<Glass>& glasses, double ndMin,
                                        double ndMax, double vdMin, double vdMax);

// Whether the window shows the glasses by their Latin names only, as it
// does when it speaks a language in Latin letters. Cyrillic by default.
void setGlassNamesInLatin(bool latin);

// The maker as the window shows it: "ЛЗОС" for LZOS (in Latin names
// "LZOS"), the others as in the table (Schott, Ohara, Hoya, CDGM, Hikari,
// Sumita).
std::string makerDisplayName(std::string_view maker);

// The glass's name as the window shows it: the Cyrillic name when there is
// one and Latin names are not asked for, else the Latin name.
std::string glassDisplayName(const Glass& glass);

// The line that names the catalogue glass nearest to the wanted one, e.g.
// "≈ К8 (ЛЗОС), Δnd 0,0018, ΔVd 0,2": absolute differences between the
// glass and (nd, vd), Δnd to 4 decimals and ΔVd to 1, written with the given
// decimal separator.
std::string nearestGlassText(const Glass& glass, double nd, double vd, char separator);

// The UTF-8 text as UTF-32 with the capitals of the Latin (ASCII and
// Latin-1), Greek and Russian/Cyrillic (U+0400..U+042F, Ё included)
// alphabets in lower case. A byte that is not part of valid UTF-8 becomes
// U+DC80..U+DCFF, so it matches only itself.
std::u32string foldCase(std::string_view utf8);

} // namespace monocl
