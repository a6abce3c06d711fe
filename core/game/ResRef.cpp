#include "ResRef.h"

#include <array>
#include <string>

#include "AsciiCase.h"

namespace tunewrap::game {
namespace {

constexpr std::string_view kFallbackName = "track";

// The base letters of U+00C0..U+017F (Latin-1 Supplement letters and Latin Extended-A), one
// character per code point. '_' marks a sign that is no letter (× and ÷); an upper-case letter
// stands for a ligature spelled out by kLigatures.
constexpr std::string_view kLatinFolds =
    "aaaaaaAceeeeiiiidnooooo_ouuuuyTS"   // U+00C0 À .. U+00DF ß
    "aaaaaaAceeeeiiiidnooooo_ouuuuyTy"   // U+00E0 à .. U+00FF ÿ
    "aaaaaaccccccccddddeeeeeeeeeegggg"   // U+0100 Ā .. U+011F ğ
    "gggghhhhiiiiiiiiiiIIjjkkklllllll"   // U+0120 Ġ .. U+013F Ŀ
    "lllnnnnnnnnnooooooOOrrrrrrssssss"   // U+0140 ŀ .. U+015F ş
    "ssttttttuuuuuuuuuuuuwwyyyzzzzzzs";  // U+0160 Š .. U+017F ſ
constexpr char32_t kFoldsFirst = 0xC0;
static_assert(kLatinFolds.size() == 0x180 - kFoldsFirst);
constexpr std::array<std::pair<char, std::string_view>, 5> kLigatures{
    {{'A', "ae"}, {'I', "ij"}, {'O', "oe"}, {'S', "ss"}, {'T', "th"}}};

// The code point of the UTF-8 character at `i` and its length; a byte that starts no valid
// character is U+FFFD, which folds to '_' like any other sign.
std::pair<char32_t, std::size_t> DecodeAt(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
    constexpr std::pair<char32_t, std::size_t> kNoCharacter{0xFFFD, 1};
    if (lead < 0x80) return {lead, 1};
    if (length == 1 || lead > 0xF4 || i + length > text.size()) return kNoCharacter;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return kNoCharacter;
        code = (code << 6) | (next & 0x3F);
    }
    return {code, length};
}

std::string_view Fold(char32_t code) {
    static const std::array<char, 128> ascii = [] {
        std::array<char, 128> table{};
        for (std::size_t c = 0; c < table.size(); ++c) {
            const char lower = AsciiLower(static_cast<char>(c));
            const bool kept = (lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9');
            table[c] = kept ? lower : '_';
        }
        return table;
    }();
    if (code < ascii.size()) return {&ascii[code], 1};
    if (code < kFoldsFirst || code - kFoldsFirst >= kLatinFolds.size()) return "_";
    const std::string_view base = kLatinFolds.substr(code - kFoldsFirst, 1);
    for (const auto& [mark, letters] : kLigatures)
        if (base[0] == mark) return letters;
    return base;
}

// The file name without its extension, folded to a-z, 0-9 and single _ between words; no _
// first.
std::string Folded(std::string_view fileName) {
    const std::string_view stem = fileName.substr(0, fileName.rfind('.'));
    std::string folded;
    for (std::size_t i = 0; i < stem.size();) {
        const auto [code, length] = DecodeAt(stem, i);
        i += length;
        for (const char c : Fold(code))
            if (c != '_' || (!folded.empty() && folded.back() != '_')) folded += c;
    }
    return folded;
}

std::string_view PrefixOf(std::string_view name) {
    for (const std::string_view prefix : {kBattleMusicPrefix, kMusicPrefix})
        if (name.starts_with(prefix)) return prefix;
    return {};
}

// `prefix` whole, then as much of `rest` as leaves room for `suffix`. A cut may end on _, and
// before a number so may the prefix: "mus_" with 2 is "mus_2".
std::string Joined(std::string_view prefix, std::string_view rest, std::string_view suffix) {
    std::string name(prefix);
    name += rest.substr(0, kResRefMaxLength - prefix.size() - suffix.size());
    const std::size_t keep = suffix.empty() ? prefix.size() : 0;
    while (name.size() > keep && name.back() == '_') name.pop_back();
    return name += suffix;
}

}  // namespace

bool IsValidResRef(std::string_view name) {
    if (name.empty() || name.size() > kResRefMaxLength) return false;
    // A character stored as it is folds to itself.
    for (const char c : name)
        if (Fold(static_cast<unsigned char>(c)) != std::string_view(&c, 1)) return false;
    return true;
}

std::string MakeResRef(std::string_view fileName, std::set<std::string>& taken) {
    const std::string folded = Folded(fileName);
    const std::string_view prefix = PrefixOf(folded);
    std::string_view rest = std::string_view(folded).substr(prefix.size());
    while (rest.ends_with('_')) rest.remove_suffix(1);
    if (prefix.empty() && rest.empty()) rest = kFallbackName;

    std::string name = Joined(prefix, rest, {});
    for (int number = 2; taken.contains(name); ++number)
        name = Joined(prefix, rest, "_" + std::to_string(number));
    taken.insert(name);
    return name;
}

}  // namespace tunewrap::game
