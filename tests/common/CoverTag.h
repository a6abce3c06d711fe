#pragma once
#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A cover picture: its format's signature, then bytes as random as compressed image data, with
// a false MPEG-1 Layer III header of some sort every kilobyte.
inline Bytes Picture(const Bytes& signature, std::size_t size) {
    Bytes picture = signature;
    std::uint32_t seed = static_cast<std::uint32_t>(size);
    while (picture.size() < size) {
        seed = seed * 1103515245 + 12345;
        const auto random = static_cast<std::uint8_t>(seed >> 16);
        if (picture.size() % 1024 == 0) picture.insert(picture.end(), {0xFF, 0xFB, random, random});
        picture.push_back(random);
    }
    return picture;
}

// An ID3v2.`major` tag around an APIC frame with `picture`; version 4 with its footer.
inline Bytes Id3Tag(std::uint8_t major, const Bytes& picture) {
    const Bytes body =
        Bytes{'A', 'P', 'I', 'C', 0, 0, 0, 0, 0, 0, 0, 'i', 'm', 'a', 'g', 'e', '/', 0, 3, 0} +
        picture;
    Bytes size;
    for (int shift = 21; shift >= 0; shift -= 7) size.push_back((body.size() >> shift) & 0x7F);
    const std::uint8_t flags = major == 4 ? 0x10 : 0;
    const Bytes tag = Bytes{'I', 'D', '3', major, 0, flags} + size + body;
    return major == 4 ? tag + Bytes{'3', 'D', 'I', major, 0, flags} + size : tag;
}
