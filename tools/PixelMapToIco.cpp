// Turns a 32 x 32 text pixel map into a 766-byte ICO file with one 16-colour image (744 bytes of image data).
// Usage: PixelMapToIco <pixel map> <icon file>
// The map has 32 rows of 32 characters: "0"-"9", "a"-"f" pick a colour of the 16-colour palette, "." is
// transparent. Lines starting with "#" are comments.
#include <array>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 32;

// The 16-colour palette of Windows icons, as 0xRRGGBB.
constexpr std::array<std::uint32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
    0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

using Bytes = std::vector<std::uint8_t>;

void PutLe(Bytes& out, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

bool ReadMap(const char* path, std::vector<std::string>& rows) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '#')
            continue;
        if (line.size() != kSize || line.find_first_not_of("0123456789abcdef.") != std::string::npos)
            return false;
        rows.push_back(line);
    }
    return rows.size() == kSize;
}

int ColourIndex(char pixel) {
    if (pixel == '.')
        return 0;
    return pixel <= '9' ? pixel - '0' : pixel - 'a' + 10;
}

// BITMAPINFOHEADER, colour table, colour bits, mask bits; rows bottom-up.
Bytes ImageData(const std::vector<std::string>& rows) {
    Bytes image;
    for (std::uint32_t field : {40u, 32u, 64u})
        PutLe(image, field, 4);
    PutLe(image, 1, 2);
    PutLe(image, 4, 2);
    for (std::uint32_t field : {0u, 640u, 0u, 0u, 0u, 0u})
        PutLe(image, field, 4);
    for (std::uint32_t rgb : kPalette)
        PutLe(image, rgb, 4); // RGBQUAD: blue, green, red, 0
    for (int y = kSize - 1; y >= 0; --y)
        for (int x = 0; x < kSize; x += 2)
            image.push_back(
                static_cast<std::uint8_t>(ColourIndex(rows[y][x]) << 4 | ColourIndex(rows[y][x + 1])));
    for (int y = kSize - 1; y >= 0; --y)
        for (int x = 0; x < kSize; x += 8) {
            std::uint8_t mask = 0;
            for (int bit = 0; bit < 8; ++bit)
                mask = static_cast<std::uint8_t>(mask << 1 | (rows[y][x + bit] == '.'));
            image.push_back(mask);
        }
    return image;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> rows;
    if (argc != 3 || !ReadMap(argv[1], rows)) {
        std::cerr << "usage: PixelMapToIco <32 x 32 pixel map> <icon file>\n";
        return 1;
    }
    Bytes image = ImageData(rows);
    Bytes icon;
    for (std::uint32_t field : {0u, 1u, 1u})
        PutLe(icon, field, 2);
    icon.insert(icon.end(), {kSize, kSize, 16, 0});
    PutLe(icon, 1, 2);
    PutLe(icon, 4, 2);
    PutLe(icon, static_cast<std::uint32_t>(image.size()), 4);
    PutLe(icon, 22, 4);
    icon.insert(icon.end(), image.begin(), image.end());
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(icon.data()), static_cast<std::streamsize>(icon.size()));
    return out ? 0 : 1;
}
