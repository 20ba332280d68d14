// Lays out the linked package stub (PE32, or PE32+ for the 64-bit test build) as the Giftlet writer needs it,
// and checks the result:
//   LayOutPackstub <linked exe> <icon file> <output exe>
// The output is exactly kStubSize bytes; the icon image (resource RT_ICON 1) lies at kIconOffset with the
// group icon IDI_ICON1 right after it and zero bytes to the end, the header checksum is 0, and headers,
// sections and resource directory agree (Microsoft PE/COFF format, "Optional Header" and "The .rsrc
// Section"). The Giftlet writer overwrites the icon image, so nothing else may depend on its bytes.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kStubSize = 77824;
constexpr std::uint32_t kIconOffset = 74928;
constexpr std::uint32_t kIconImageSize = 744;
constexpr std::uint32_t kIcoHeaderSize = 22; // directory header and its one entry, in front of the image
constexpr std::uint32_t kGroupIconSize = 20;
constexpr std::uint32_t kRtIcon = 3;
constexpr std::uint32_t kRtGroupIcon = 14;
constexpr std::uint32_t kResourceDirectory = 2;
constexpr const char* kGroupName = "IDI_ICON1";

using Bytes = std::vector<std::uint8_t>;

struct Failure {
    std::string what;
};

std::uint32_t Get(const Bytes& b, std::uint64_t at, int width) {
    if (at + static_cast<std::uint64_t>(width) > b.size())
        throw Failure{"field beyond the end of the file at " + std::to_string(at)};
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | b[at + static_cast<std::uint64_t>(i)];
    return value;
}

void Put(Bytes& b, std::uint64_t at, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i)
        b[at + static_cast<std::uint64_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

void Require(bool condition, const std::string& what) {
    if (!condition)
        throw Failure{what};
}

struct Section {
    std::string name;
    std::uint32_t header; // file offset of its section header
    std::uint32_t virtualSize, virtualAddress, rawSize, rawOffset;
};

// The fields of a PE32 or PE32+ image that the layout touches.
struct PeImage {
    std::uint32_t optional = 0;
    std::uint32_t dataDirectories = 0;
    std::uint32_t sectionAlignment = 0, fileAlignment = 0;
    std::vector<Section> sections;

    static PeImage Parse(const Bytes& file) {
        PeImage pe;
        Require(Get(file, 0, 2) == 0x5A4D, "no MZ header");
        std::uint32_t peAt = Get(file, 0x3C, 4);
        Require(Get(file, peAt, 4) == 0x4550, "no PE signature");
        std::uint32_t machine = Get(file, peAt + 4, 2);
        Require(machine == 0x14C || machine == 0x8664, "not an x86 image");
        std::uint32_t count = Get(file, peAt + 6, 2);
        std::uint32_t optionalSize = Get(file, peAt + 20, 2);
        pe.optional = peAt + 24;
        std::uint32_t magic = Get(file, pe.optional, 2);
        Require(magic == 0x10B || magic == 0x20B, "not a PE32 or PE32+ optional header");
        pe.dataDirectories = pe.optional + (magic == 0x10B ? 96 : 112);
        pe.sectionAlignment = Get(file, pe.optional + 32, 4);
        pe.fileAlignment = Get(file, pe.optional + 36, 4);
        Require(Get(file, pe.dataDirectories - 4, 4) > kResourceDirectory, "no resource directory entry");
        for (std::uint32_t i = 0; i < count; ++i) {
            std::uint32_t at = pe.optional + optionalSize + 40 * i;
            Require(at + 40 <= file.size(), "section table beyond the file");
            Section s{std::string(reinterpret_cast<const char*>(&file[at]),
                                  strnlen(reinterpret_cast<const char*>(&file[at]), 8)),
                      at,
                      Get(file, at + 8, 4),
                      Get(file, at + 12, 4),
                      Get(file, at + 16, 4),
                      Get(file, at + 20, 4)};
            pe.sections.push_back(s);
        }
        return pe;
    }

    std::uint32_t ResourceRva(const Bytes& file) const {
        return Get(file, dataDirectories + 8 * kResourceDirectory, 4);
    }

    const Section& ResourceSection(const Bytes& file) const {
        for (const Section& s : sections)
            if (s.virtualAddress == ResourceRva(file))
                return s;
        throw Failure{"the resource directory is not at the start of a section"};
    }
};

std::uint32_t AlignUp(std::uint32_t value, std::uint32_t alignment) {
    return (value + alignment - 1) / alignment * alignment;
}

// One leaf of the resource tree: where its data entry lies in the file, and its type and name.
struct Leaf {
    std::uint32_t entryAt;
    std::uint32_t type;
    std::optional<std::uint32_t> id;
    std::u16string name;
};

std::u16string ResourceName(const Bytes& file, std::uint32_t at) {
    std::u16string name;
    for (std::uint32_t i = 0, length = Get(file, at, 2); i < length; ++i)
        name.push_back(static_cast<char16_t>(Get(file, at + 2 + 2 * i, 2)));
    return name;
}

// Walks the three levels (type, name, language); every offset is checked against the section.
std::vector<Leaf> ResourceLeaves(const Bytes& file, const Section& rsrc) {
    std::vector<Leaf> leaves;
    std::uint32_t base = rsrc.rawOffset;
    auto walk = [&](auto&& self, std::uint32_t table, int level, Leaf leaf) -> void {
        Require(table + 16 <= rsrc.virtualSize, "resource table outside its section");
        std::uint32_t entries = Get(file, base + table + 12, 2) + Get(file, base + table + 14, 2);
        for (std::uint32_t i = 0; i < entries; ++i) {
            std::uint32_t at = base + table + 16 + 8 * i;
            std::uint32_t key = Get(file, at, 4), target = Get(file, at + 4, 4);
            if (level == 0)
                leaf.type = key;
            if (level == 1) {
                leaf.id.reset();
                leaf.name.clear();
                if (key & 0x80000000u)
                    leaf.name = ResourceName(file, base + (key & 0x7FFFFFFFu));
                else
                    leaf.id = key;
            }
            bool isTable = (target & 0x80000000u) != 0;
            Require(isTable == (level < 2), "resource tree is not three levels deep");
            if (isTable) {
                self(self, target & 0x7FFFFFFFu, level + 1, leaf);
            } else {
                Require(target + 16 <= rsrc.virtualSize, "resource data entry outside its section");
                leaf.entryAt = base + target;
                leaves.push_back(leaf);
            }
        }
    };
    walk(walk, 0, 0, Leaf{});
    return leaves;
}

const Leaf& FindLeaf(const std::vector<Leaf>& leaves, std::uint32_t type, std::optional<std::uint32_t> id,
                     const std::u16string& name) {
    for (const Leaf& leaf : leaves)
        if (leaf.type == type && leaf.id == id && leaf.name == name)
            return leaf;
    throw Failure{"resource of type " + std::to_string(type) + " not found"};
}

const Leaf& IconLeaf(const std::vector<Leaf>& leaves) {
    return FindLeaf(leaves, kRtIcon, 1, u"");
}

const Leaf& GroupLeaf(const std::vector<Leaf>& leaves) {
    std::string ascii = kGroupName;
    return FindLeaf(leaves, kRtGroupIcon, std::nullopt, std::u16string(ascii.begin(), ascii.end()));
}

// Moves the icon image to kIconOffset and the group icon behind it, and stretches the resource section, the
// last one, to the end of the stub.
Bytes LayOut(Bytes file) {
    PeImage pe = PeImage::Parse(file);
    const Section& rsrc = pe.ResourceSection(file);
    Require(&rsrc == &pe.sections.back(), "the resource section is not the last section");
    Require(rsrc.rawOffset + rsrc.rawSize == file.size(),
            "bytes follow the resource section (strip the image)");
    Require(rsrc.rawOffset + rsrc.virtualSize <= kIconOffset,
            "code and data do not fit in front of the icon: " +
                std::to_string(rsrc.rawOffset + rsrc.virtualSize));
    std::vector<Leaf> leaves = ResourceLeaves(file, rsrc);
    std::uint32_t placeAt = kIconOffset;
    Bytes moved(file.begin(), file.end());
    moved.resize(kStubSize, 0);
    for (const Leaf* leaf : {&IconLeaf(leaves), &GroupLeaf(leaves)}) {
        std::uint32_t rva = Get(file, leaf->entryAt, 4), size = Get(file, leaf->entryAt + 4, 4);
        std::uint32_t from = rva - rsrc.virtualAddress + rsrc.rawOffset;
        Require(rva >= rsrc.virtualAddress && from + size <= rsrc.rawOffset + rsrc.virtualSize,
                "resource data outside its section");
        std::fill(moved.begin() + from, moved.begin() + from + size, 0);
        std::copy(file.begin() + from, file.begin() + from + size, moved.begin() + placeAt);
        Put(moved, leaf->entryAt, placeAt - rsrc.rawOffset + rsrc.virtualAddress, 4);
        placeAt += AlignUp(size, 4);
    }
    std::uint32_t rawSize = kStubSize - rsrc.rawOffset;
    Put(moved, rsrc.header + 8, rawSize, 4);
    Put(moved, rsrc.header + 16, rawSize, 4);
    Put(moved, pe.dataDirectories + 8 * kResourceDirectory + 4, placeAt - rsrc.rawOffset, 4);
    Put(moved, pe.optional + 8, Get(file, pe.optional + 8, 4) + rawSize - rsrc.rawSize,
        4); // initialised data
    Put(moved, pe.optional + 56, AlignUp(rsrc.virtualAddress + rawSize, pe.sectionAlignment), 4);
    Put(moved, pe.optional + 64, 0, 4); // checksum
    return moved;
}

void CheckSections(const Bytes& file, const PeImage& pe) {
    std::uint32_t headers = Get(file, pe.optional + 60, 4);
    std::uint32_t fileEnd = headers, imageEnd = AlignUp(headers, pe.sectionAlignment);
    for (const Section& s : pe.sections) {
        Require(s.virtualAddress == imageEnd,
                "section " + s.name + " does not follow the one before in memory");
        Require(s.rawSize % pe.fileAlignment == 0, "section " + s.name + " has an unaligned raw size");
        if (s.rawSize) {
            Require(s.rawOffset == fileEnd,
                    "section " + s.name + " does not follow the one before in the file");
            fileEnd = s.rawOffset + s.rawSize;
        }
        Require(s.rawSize <= AlignUp(s.virtualSize, pe.sectionAlignment),
                "section " + s.name + " larger on disk than in memory");
        imageEnd = AlignUp(s.virtualAddress + s.virtualSize, pe.sectionAlignment);
    }
    Require(fileEnd == file.size(), "sections do not end at the end of the file");
    Require(Get(file, pe.optional + 56, 4) == imageEnd, "image size does not match the sections");
}

void CheckIcon(const Bytes& file, const PeImage& pe, const Bytes& icoFile) {
    const Section& rsrc = pe.ResourceSection(file);
    std::vector<Leaf> leaves = ResourceLeaves(file, rsrc);
    auto fileOffset = [&](const Leaf& leaf) {
        std::uint32_t rva = Get(file, leaf.entryAt, 4), size = Get(file, leaf.entryAt + 4, 4);
        Require(rva >= rsrc.virtualAddress && rva - rsrc.virtualAddress + size <= rsrc.virtualSize,
                "resource data outside its section");
        return rva - rsrc.virtualAddress + rsrc.rawOffset;
    };
    std::uint32_t icon = fileOffset(IconLeaf(leaves)), group = fileOffset(GroupLeaf(leaves));
    Require(icon == kIconOffset,
            "icon image at " + std::to_string(icon) + ", not at " + std::to_string(kIconOffset));
    Require(Get(file, IconLeaf(leaves).entryAt + 4, 4) == kIconImageSize, "icon image is not 744 bytes");
    Require(icoFile.size() == kIcoHeaderSize + kIconImageSize &&
                std::equal(file.begin() + icon, file.begin() + icon + kIconImageSize,
                           icoFile.begin() + kIcoHeaderSize),
            "icon image differs from the icon file");
    Require(group >= icon + kIconImageSize && Get(file, GroupLeaf(leaves).entryAt + 4, 4) == kGroupIconSize,
            "the group icon does not follow the icon image");
    const std::uint8_t expected[kGroupIconSize] = {0, 0, 1, 0, 1,    0, 32, 32, 16, 0,
                                                   1, 0, 4, 0, 0xE8, 2, 0,  0,  1,  0};
    Require(std::equal(expected, expected + kGroupIconSize, file.begin() + group),
            "the group icon does not name one 32 x 32, 16-colour image of 744 bytes with identifier 1");
    Require(
        std::all_of(file.begin() + group + kGroupIconSize, file.end(), [](std::uint8_t b) { return b == 0; }),
        "bytes after the group icon are not zero");
}

void Check(const Bytes& file, const Bytes& icoFile) {
    Require(file.size() == kStubSize,
            "the stub is " + std::to_string(file.size()) + " bytes, not " + std::to_string(kStubSize));
    PeImage pe = PeImage::Parse(file);
    Require(Get(file, pe.optional + 64, 4) == 0, "the header checksum is not 0");
    CheckSections(file, pe);
    CheckIcon(file, pe, icoFile);
}

Bytes ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    Require(in.good(), std::string("cannot read ") + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: LayOutPackstub <linked exe> <icon file> <output exe>\n";
        return 2;
    }
    try {
        Bytes icoFile = ReadFile(argv[2]);
        Bytes laidOut = LayOut(ReadFile(argv[1]));
        Check(laidOut, icoFile);
        std::ofstream out(argv[3], std::ios::binary);
        out.write(reinterpret_cast<const char*>(laidOut.data()),
                  static_cast<std::streamsize>(laidOut.size()));
        Require(out.good(), std::string("cannot write ") + argv[3]);
    } catch (const Failure& failure) {
        std::cerr << "LayOutPackstub: " << failure.what << "\n";
        std::remove(argv[3]);
        return 1;
    }
    return 0;
}
