// metalweight-icowriter: writes the Windows icon file from the window icon's one
// drawing (the 32 × 32 XPM), at build time and without the toolkit, so that a build
// without the window (a cross build for Windows) makes the same icon.
//
//   metalweight-icowriter OUTPUT.ico   16, 32, 48 and 256 px images in one icon file
//
// Each image is a 32-bit device-independent bitmap with its transparency mask, the form
// every version of Windows reads. Scaling keeps the drawing's hard pixel edges.
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/qt/icons/metalweight.xpm"

namespace {

struct Drawing {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;  // row by row, top row first
};

// The drawing's colours are "None" or "#RRGGBB"; anything else is a fault of the drawing.
bool readColour(const std::string& value, std::uint32_t& argb) {
    if (value == "None") {
        argb = 0;
        return true;
    }
    if (value.size() != 7 || value[0] != '#') {
        return false;
    }
    try {
        argb = 0xFF000000U | static_cast<std::uint32_t>(std::stoul(value.substr(1), nullptr, 16));
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

bool readDrawing(Drawing& drawing) {
    std::istringstream header(metalweight_xpm[0]);
    int colours = 0;
    int charsPerPixel = 0;
    header >> drawing.width >> drawing.height >> colours >> charsPerPixel;
    if (!header || charsPerPixel != 1) {
        return false;
    }
    std::map<char, std::uint32_t> palette;
    for (int i = 1; i <= colours; ++i) {
        const std::string line = metalweight_xpm[i];
        const std::string::size_type key = line.find(" c ", 1);
        if (key != 1 || !readColour(line.substr(key + 3), palette[line[0]])) {
            return false;
        }
    }
    for (int y = 0; y < drawing.height; ++y) {
        const std::string row = metalweight_xpm[1 + colours + y];
        if (static_cast<int>(row.size()) != drawing.width) {
            return false;
        }
        for (const char pixel : row) {
            const auto colour = palette.find(pixel);
            if (colour == palette.end()) {
                return false;
            }
            drawing.argb.push_back(colour->second);
        }
    }
    return true;
}

void appendLittleEndian(std::string& bytes, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
    }
}

// One icon image: a bitmap header (the height counts the colour and the mask rows), the
// colours bottom row first, then the 1-bit mask (set where transparent), rows padded to
// four bytes.
std::string iconImage(const Drawing& drawing, int size) {
    const int maskRowBytes = ((size + 31) / 32) * 4;
    const auto colourBytes = static_cast<std::uint32_t>(size * size * 4);
    const auto maskBytes = static_cast<std::uint32_t>(maskRowBytes * size);
    std::string image;
    appendLittleEndian(image, 40, 4);  // header size
    appendLittleEndian(image, static_cast<std::uint32_t>(size), 4);
    appendLittleEndian(image, static_cast<std::uint32_t>(2 * size), 4);
    appendLittleEndian(image, 1, 2);   // planes
    appendLittleEndian(image, 32, 2);  // bits per pixel
    appendLittleEndian(image, 0, 4);   // no compression
    appendLittleEndian(image, colourBytes + maskBytes, 4);
    for (int i = 0; i < 4; ++i) {
        appendLittleEndian(image, 0, 4);  // resolution and palette: unused
    }
    const auto source = [&](int x, int y) {
        const auto row = static_cast<std::size_t>(y * drawing.height / size);
        const auto column = static_cast<std::size_t>(x * drawing.width / size);
        return drawing.argb[row * static_cast<std::size_t>(drawing.width) + column];
    };
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            appendLittleEndian(image, source(x, y), 4);  // B, G, R, A in memory
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(maskRowBytes), 0);
        for (int x = 0; x < size; ++x) {
            if ((source(x, y) >> 24U) == 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80U >> (x % 8));
            }
        }
        image.append(row.begin(), row.end());
    }
    return image;
}

// The icon file: a header, one directory entry per image, the images.
std::string iconFile(const Drawing& drawing) {
    constexpr std::array<int, 4> kSizes = {16, 32, 48, 256};
    std::vector<std::string> images;
    images.reserve(kSizes.size());
    for (const int size : kSizes) {
        images.push_back(iconImage(drawing, size));
    }
    std::string ico;
    appendLittleEndian(ico, 0, 2);  // reserved
    appendLittleEndian(ico, 1, 2);  // type: icon
    appendLittleEndian(ico, static_cast<std::uint32_t>(images.size()), 2);
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto side = static_cast<std::uint32_t>(kSizes[i] >= 256 ? 0 : kSizes[i]);
        appendLittleEndian(ico, side, 1);  // width (0 stands for 256)
        appendLittleEndian(ico, side, 1);  // height
        appendLittleEndian(ico, 0, 1);     // no palette
        appendLittleEndian(ico, 0, 1);     // reserved
        appendLittleEndian(ico, 1, 2);     // colour planes
        appendLittleEndian(ico, 32, 2);    // bits per pixel
        appendLittleEndian(ico, static_cast<std::uint32_t>(images[i].size()), 4);
        appendLittleEndian(ico, offset, 4);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const std::string& image : images) {
        ico += image;
    }
    return ico;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: metalweight-icowriter OUTPUT.ico\n");
        return 2;
    }
    Drawing drawing;
    if (!readDrawing(drawing)) {
        std::fprintf(stderr, "metalweight-icowriter: the icon drawing cannot be read\n");
        return 1;
    }
    const std::string ico = iconFile(drawing);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(ico.data(), static_cast<std::streamsize>(ico.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "metalweight-icowriter: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
